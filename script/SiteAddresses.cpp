// SPDX-License-Identifier: MIT
#include "script/SiteAddresses.h"

const std::string_view SiteAddress = "www.didadura.example";
const std::string_view HomePageAddress = "didadura.example/vezuvazov";
const std::string_view ContactAddress = "didadura@didadura.example";
