#pragma once
// The picture drawn behind the graph: read through Qt's image readers from a file or taken
// from the clipboard, placed about the plot's centre at its own size or stretched, with the
// drawing laid over it and the drawing's white left transparent.

#include <QImage>
#include <QString>

namespace tarlix {

struct PicturePlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where a picture of pictureWidth × pictureHeight goes on a plot of plotWidth × plotHeight:
// mode 0 at its own size, 1 as wide as the plot, 2 as high, 3 over the whole plot; always
// centred on ((plotWidth + 2) / 2, (plotHeight + 2) / 2).
PicturePlace backgroundPlace(int plotWidth, int plotHeight, int pictureWidth, int pictureHeight,
                             int mode);

class BackgroundPicture {
public:
    // The picture in the file; a missing, unreadable or corrupt file leaves the picture as it
    // was and returns false with the reader's reason.
    bool load(const QString& path, QString& reason);
    // A picture taken from elsewhere (the clipboard).
    void setImage(QImage image) { image_ = std::move(image); }
    void clear() { image_ = QImage(); }
    bool isOn() const { return !image_.isNull(); }
    const QImage& image() const { return image_; }

    // The drawing over the picture: every pixel of the drawing that is not white covers it.
    QImage composeUnder(const QImage& drawing, int mode) const;

private:
    QImage image_;
};

} // namespace tarlix
