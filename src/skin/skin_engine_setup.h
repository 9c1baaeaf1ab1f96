#pragma once
// Handing a skin description's clock values to the face drawing engine: the
// part of a skin load that is the same on every platform.
#include "render/engine.h"
#include "skin/skin_description.h"

namespace tikolvo {

// The engine's present hand records, to read the next skin over.
HandRecords EngineHandRecords(Engine& engine);

// Hand rectangle, simple hand lengths, shadow and enhanced-model options and,
// for an enhanced skin, the seven hand records.
void ApplyClockDescription(const ClockDescription& clock, Engine& engine);

// The skin's hand colours; skipped by the caller when the user keeps their own.
void ApplyHandColours(const SkinHandColours& colours, Engine& engine);

}  // namespace tikolvo
