// SPDX-License-Identifier: MIT
#include "ui/frmHelp.h"

#include <QLabel>

#include "script/SiteAddresses.h"
#include "ui/Controls.h"
#include "ui/Utf8.h"

namespace {
constexpr const char* Caption = "Help";
constexpr TwipSize ClientSize{4185, 2220};
constexpr const char* Icon = ":/assets/frmHelp";
constexpr const char* ContactText = "If You Have Anymore Problems, Contact Me at ";
}  // namespace

frmHelp::frmHelp() : FormWindow(ToolWindowFlags) {
  SetUpInfoWindow(this, Caption, ClientSize, Icon);
  lblHeading = InfoLabel(this, "These Will Prevent Your Script From Working:", {0, 120, 4215, 255});
  lblSpaceInName = InfoLabel(this, "* Putting A Space In The Script Name", {0, 480, 3135, 255});
  lblNewScript =
      InfoLabel(this, "* Starting A New Script Without Clicking File>New", {0, 720, 3975, 255});
  lblGenerateTwice = InfoLabel(this, "* Clicking the 'Generate Script' Button More than Once",
                               {0, 960, 4095, 255});
  lblCodeWindow = InfoLabel(this, "* Typing Anything In The Code Window", {0, 1200, 4455, 255});
  lblContact = InfoLabel(this, ContactText + FromUtf8(ContactAddress), {0, 1680, 3615, 495});
}
