#pragma once

#include <cstdint>

// The writer's fixed-width integer names, as the SWF format counts them.
using U8 = std::uint8_t;
using U16 = std::uint16_t;
using U32 = std::uint32_t;
using S32 = std::int32_t;
