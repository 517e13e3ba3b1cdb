#pragma once
// The program's icon as the pixel data StatusNotifierItem hosts and notification services take.
#include <cstddef>
#include <cstdint>
#include <vector>

class wxIcon;
class wxImage;

namespace stillmark {

struct IconPixmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> argb; // ARGB32 in network byte order, row by row
};

// RGB triples plus their alpha (nullptr: opaque) as ARGB32 in network byte order.
std::vector<std::uint8_t> ToArgb32(const unsigned char* rgb, const unsigned char* alpha, std::size_t pixels);

// The image scaled to size x size (a transparent mask becomes alpha).
IconPixmap MakeIconPixmap(const wxImage& image, int size);

// The icon at each of these sizes; none when the icon is not valid.
std::vector<IconPixmap> MakeIconPixmaps(const wxIcon& icon, const std::vector<int>& sizes);

} // namespace stillmark
