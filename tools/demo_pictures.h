// The tile pictures of the bundled demo, drawn in code so that they can be made again.
//
// Sprites lie on pure green, the colour the game keys out when it loads a tile picture.
// Their outer edges are hard (a pixel is either the shape or the key): a half-keyed edge
// would leave a green fringe. Shapes are sampled 4 x 4 per pixel, so the colours inside a
// shape still blend smoothly.
#pragma once

#include <string_view>

#include "engine/media/image.h"

namespace demo {

media::Image skyPicture();        // night sky gradient with a glow behind the emblem, opaque
media::Image hillsPicture();      // two rows of hill silhouettes over the key
media::Image emblemPicture();     // gold ring with an eight-pointed star
media::Image haloPicture();       // a dotted ring, drawn half transparent around the emblem
media::Image smallStarPicture();  // a small four-pointed sparkle
media::Image crossStarPicture();  // a four-pointed star with long thin points
media::Image bigStarPicture();    // an eight-pointed bluish star
media::Image sweepPicture();      // a thin streak, dark at the left, white at the right
media::Image flashPicture();      // plain white, stretched over the screen

// Text in the built-in 5 x 7 pixel letters (A D E G I M N O R U V Z and space), one pixel
// between letters, with a one-pixel shadow down and to the right. Rows blend from top to
// bottom colour.
media::Image pixelText(std::string_view text, media::Argb top, media::Argb bottom,
                       media::Argb shadow);

}  // namespace demo
