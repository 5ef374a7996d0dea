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

  Picture1 = PictureBox(this, AboutPicture, {0, 0, 4575, 4575}, PictureSaid);
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  Label1 = InfoLabel(this, "dfg", {4680, 120, 4335, 1935});
  Label1->setFont(ComicFont(CreditsPoints));
  Label2 = InfoLabel(this, "Peace :P", {4800, 2280, 1815, 255});
  Label3 = InfoLabel(this, "Zedaruzed", {4800, 2760, 2175, 255});
  Label6 = InfoLabel(this, "Version: 2", {4680, 3240, 3015, 255});
  Label4 = InfoLabel(this, "Shoutouts to my boyz at the RO Razedu:", {4680, 3600, 4335, 255});
  Label5 = InfoLabel(this, Handles, {4800, 3960, 4215, 495});

  Form_Load();
}

void frmAbout::Form_Load() { Label1->setText(Credits + FromUtf8(HomePageAddress)); }
