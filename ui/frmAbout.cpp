// SPDX-License-Identifier: MIT
#include "ui/frmAbout.h"

#include <QLabel>

#include "script/SiteAddresses.h"
#include "ui/Controls.h"
#include "ui/Looks.h"
#include "ui/Utf8.h"

namespace {

constexpr const char* Caption = "About";
constexpr TwipSize ClientSize{9060, 4545};
constexpr const char* Icon = ":/assets/frmAbout";
constexpr const char* AboutPicture = ":/assets/about.jpg";
constexpr Accessible PictureSaid{"Vezuvazov by Didadura, in a target sight"};
constexpr double CreditsPoints = 9.75;

// The credits, followed by the home page address.
constexpr const char* Credits =
    "Vezuvazov v1.0\n"
    "Buy scripts for Counter-Strike,\n"
    "made by Didadura.\n"
    "One key buys your whole loadout.\n"
    "Thanks for playing with it!\n";

constexpr const char* Handles = "Zed, Kazu, Rav3n, Mirko, d4rk, Ozzy, Tomek, Vex, Lumo, and Brick.";

}  // namespace

frmAbout::frmAbout() : FormWindow(ToolWindowFlags) {
  SetUpInfoWindow(this, Caption, ClientSize, Icon);

  picAbout = PictureBox(this, AboutPicture, {0, 0, 4575, 4575}, PictureSaid);
  picAbout->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  lblCredits = InfoLabel(this, "dfg", {4680, 120, 4335, 1935});
  lblCredits->setFont(ComicFont(CreditsPoints));
  lblPeace = InfoLabel(this, "Peace :P", {4800, 2280, 1815, 255});
  lblSignature = InfoLabel(this, "Zedaruzed", {4800, 2760, 2175, 255});
  lblVersion = InfoLabel(this, "Version: 2", {4680, 3240, 3015, 255});
  lblShoutouts = InfoLabel(this, "Shoutouts to my boyz at the RO Razedu:", {4680, 3600, 4335, 255});
  lblHandles = InfoLabel(this, Handles, {4800, 3960, 4215, 495});

  Form_Load();
}

void frmAbout::Form_Load() { lblCredits->setText(Credits + FromUtf8(HomePageAddress)); }
