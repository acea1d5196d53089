// Who made this copy of the program and where its users find help. A
// distributor sets these three texts and nothing else; the About box shows
// the author's name and the web site's host name, and hands the addresses to
// the desktop when its links are clicked.
//
// The About box's labels have fixed sizes: the author's name must fit 81
// pixels and the host name 121 pixels in the box's 13-pixel font (the About
// box tests check this).
#pragma once

namespace korvane::about {

// Shown on the mail link.
inline constexpr char kAuthorName[] = "Cellar Team";
// A click on the author's name starts a new e-mail to this address.
inline constexpr char kSupportAddress[] = "support@korvane.example";
// A click on the host name opens this page; the link shows its host name.
inline constexpr char kWebSiteUrl[] = "http://korvane.example/";

}  // namespace korvane::about
