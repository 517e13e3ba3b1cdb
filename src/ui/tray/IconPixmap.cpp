#include "ui/tray/IconPixmap.h"

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>

namespace stillmark {

std::vector<std::uint8_t> ToArgb32(const unsigned char* rgb, const unsigned char* alpha, std::size_t pixels) {
    std::vector<std::uint8_t> argb(pixels * 4);
    for (std::size_t i = 0; i < pixels; ++i) {
        argb[i * 4] = alpha != nullptr ? alpha[i] : 0xFF;
        argb[i * 4 + 1] = rgb[i * 3];
        argb[i * 4 + 2] = rgb[i * 3 + 1];
        argb[i * 4 + 3] = rgb[i * 3 + 2];
    }
    return argb;
}

IconPixmap MakeIconPixmap(const wxImage& image, int size) {
    wxImage scaled = image.Scale(size, size, wxIMAGE_QUALITY_HIGH);
    if (scaled.HasMask() && !scaled.HasAlpha())
        scaled.InitAlpha();
    IconPixmap pixmap;
    pixmap.width = scaled.GetWidth();
    pixmap.height = scaled.GetHeight();
    pixmap.argb = ToArgb32(scaled.GetData(), scaled.HasAlpha() ? scaled.GetAlpha() : nullptr,
                           static_cast<std::size_t>(pixmap.width) * static_cast<std::size_t>(pixmap.height));
    return pixmap;
}

std::vector<IconPixmap> MakeIconPixmaps(const wxIcon& icon, const std::vector<int>& sizes) {
    std::vector<IconPixmap> pixmaps;
    if (!icon.IsOk())
        return pixmaps;
    wxBitmap bitmap;
    bitmap.CopyFromIcon(icon);
    const wxImage image = bitmap.ConvertToImage();
    if (!image.IsOk())
        return pixmaps;
    for (int size : sizes)
        pixmaps.push_back(MakeIconPixmap(image, size));
    return pixmaps;
}

} // namespace stillmark
