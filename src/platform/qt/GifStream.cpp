#include "platform/qt/GifStream.h"

#include <gif_lib.h>

#include <array>

namespace tarlix {

namespace {

constexpr GifByteType kTrailer = 0x3B;

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* bytes = static_cast<std::string*>(gif->UserData);
    bytes->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

// giflib wants a power of two colours, at least two.
struct ColorMap {
    ColorMapObject* map = nullptr;
    explicit ColorMap(const std::vector<QRgb>& palette) {
        int size = 2;
        while (size < static_cast<int>(palette.size())) size *= 2;
        std::array<GifColorType, 256> colors{};
        for (std::size_t i = 0; i < palette.size(); ++i)
            colors[i] = GifColorType{static_cast<GifByteType>(qRed(palette[i])),
                                     static_cast<GifByteType>(qGreen(palette[i])),
                                     static_cast<GifByteType>(qBlue(palette[i]))};
        map = GifMakeMapObject(size, colors.data());
    }
    ~ColorMap() { GifFreeMapObject(map); }
    ColorMap(const ColorMap&) = delete;
    ColorMap& operator=(const ColorMap&) = delete;
};

} // namespace

GifStream::GifStream(int width, int height, bool loops) : width_(width), height_(height) {
    int error = 0;
    gif_ = EGifOpen(&bytes_, appendBytes, &error);
    if (!gif_ || width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return;
    EGifSetGifVersion(gif_, true);
    ok_ = putScreen(loops);
}

GifStream::~GifStream() {
    if (!gif_) return;
    int error = 0;
    EGifCloseFile(gif_, &error); // its trailer lands in bytes_, which go with it
}

bool GifStream::putScreen(bool loops) {
    if (EGifPutScreenDesc(gif_, width_, height_, 8, 0, nullptr) != GIF_OK) return false;
    if (!loops) return true;
    // The application extension that makes viewers repeat the frames (0 times: for ever).
    static const GifByteType name[] = "NETSCAPE2.0";
    static const GifByteType repeat[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif_, 11, name) == GIF_OK &&
           EGifPutExtensionBlock(gif_, 3, repeat) == GIF_OK &&
           EGifPutExtensionTrailer(gif_) == GIF_OK;
}

bool GifStream::addFrame(const IndexedImage& frame, int delayCentiseconds) {
    if (!ok_ || frame.width != width_ || frame.height != height_) return ok_ = false;
    if (delayCentiseconds >= 0) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = delayCentiseconds;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const auto length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) !=
            GIF_OK)
            return ok_ = false;
    }
    const ColorMap colors(frame.palette);
    if (!colors.map || EGifPutImageDesc(gif_, 0, 0, width_, height_, false, colors.map) != GIF_OK)
        return ok_ = false;
    // giflib reads the rows without changing them, though it takes them without const.
    auto* pixels = const_cast<GifPixelType*>(frame.pixels.data());
    for (int y = 0; y < height_; ++y)
        if (EGifPutLine(gif_, pixels + static_cast<std::size_t>(y) * width_, width_) != GIF_OK)
            return ok_ = false;
    return true;
}

std::string GifStream::bytes() const {
    if (!ok_) return {};
    return bytes_ + static_cast<char>(kTrailer);
}

std::string encodeGif(const QImage& image) {
    GifStream stream(image.width(), image.height(), false);
    if (!stream.addFrame(indexImage(image), -1)) return {};
    return stream.bytes();
}

} // namespace tarlix
