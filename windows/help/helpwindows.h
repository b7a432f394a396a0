// What the board window uses to open the help window and the example viewer.
#pragma once

namespace quintrel {

// The maker's home page, opened by the help window's link, and the name the link shows.
constexpr auto MakerWebAddress = "https://quintrel.example.org/";
constexpr auto MakerHostName = "quintrel.example.org";

// Creates the help window afresh, shows it modally (it shows the rules or the about text as
// helpMode says when it becomes active) and returns when it has closed.
void ShowHelpWindow();

// Creates the example viewer afresh and shows it modally. When the example picture cannot be read
// the player is told which file it was and the viewer does not open.
void ShowExampleWindow();

} // namespace quintrel
