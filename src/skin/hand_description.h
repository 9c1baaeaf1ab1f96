#pragma once
// Reading one enhanced hand section ("Clock_H", "Clock_M", ...) of a skin
// description over the hand's previous record.
#include <string_view>

#include "render/hand_model.h"
#include "common/ini_document.h"

namespace tikolvo {

// Reads the keys of `section` into `hand`. Keys that the rules skip (those
// of a hand without a shape, those of a polygon without a type) leave the
// record's fields as they were. `heavyShadow` gives the hour and minute
// hands their deeper default shadow offset.
void ReadHandSection(const IniDocument& ini, std::string_view section, bool heavyShadow, HandRecord& hand);

}  // namespace tikolvo
