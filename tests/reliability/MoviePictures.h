#pragma once

#include "swfread/SwfMovie.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brindlecast::reliability
{

// A picture of a movie in words, by the kind of bitmap that fills the shape and the shape's
// size in pixels: "gif 24x16" for a colour-mapped lossless bitmap, "jpeg 20x12" for an
// embedded JPEG file.
std::string pictureOfShape(const swfread::SwfMovie& movie, std::uint16_t shapeId);

// What every frame shows at depth 1, first frame first; "" where nothing is there.
std::vector<std::string> picturesPerFrame(const swfread::SwfMovie& movie);

// The pictures a library movie exports, as "name: picture", in export order.
std::vector<std::string> exportedPictures(const swfread::SwfMovie& movie);

} // namespace brindlecast::reliability
