#pragma once
// A clipboard in memory for tests: it keeps everything put on it, in order, and answers from
// the last thing put, as the system's clipboard does. A test offers text or a picture to the
// program by putting it there first.

#include "platform/Clipboard.h"
#include "platform/RecordingPicture.h"

#include <memory>
#include <vector>

namespace tarlix {

class RecordingClipboard : public Clipboard {
public:
    enum class Kind { Text, Image, Picture };
    struct Put {
        Kind kind = Kind::Text;
        std::string text;                          // Text
        RasterImage image;                         // Image: its pixels when it was put
        std::unique_ptr<RecordingPicture> picture; // Picture: what it drew, replayed
        Size size;                                 // Picture
        int dotsPerInch = 0;                       // Picture
    };

    void putText(const std::string& text) override;
    void putImage(const Canvas& image) override;
    // The picture is replayed into a recording; a picture that replays only into the
    // platform's own canvases leaves that recording empty.
    void putPicture(const Picture& picture, Size size, int dotsPerInch) override;
    bool hasText() const override;
    std::string text() const override;
    // Only an image put as one: a recorded picture has no pixels.
    RasterImage image() const override;

    std::vector<Put> puts;
};

// The pixels of any canvas, row by row.
RasterImage pixelsOf(const Canvas& canvas);

} // namespace tarlix
