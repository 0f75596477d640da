#pragma once
// The program's pictures going out: the graph (or both windows) captured as a bitmap, the graph
// recorded at high resolution, copied to the clipboard, saved as a picture file, saved again
// after every redraw while continuous saving is on (one animated GIF when the chosen type is
// GIF), and printed through the print dialog.

#include "document/PrintLayout.h"
#include "platform/FileDialog.h"
#include "render/RenderPicture.h"

#include <QImage>
#include <QObject>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace tarlix {

class AnimatedGifWriter;
class Program;
enum class PictureFileType;

class PictureExport : public QObject {
    Q_OBJECT
public:
    explicit PictureExport(Program& program);
    ~PictureExport() override;

    // The bitmap of a capture mode (the vector modes give the graph's bitmap).
    QImage captureBitmap(CaptureMode mode) const;
    // The size in pixels of what the mode prints.
    Size pictureSize(CaptureMode mode) const;
    // The graph recorded enlarged by scale, in black and white when asked.
    RenderedPicture recordGraph(bool blackAndWhite, int scale) const;

    // The clipboard takes the capture: a bitmap, or for the vector modes a picture recorded at
    // four times the screen's resolution (the screen's own with screenResolution).
    void copy(CaptureMode mode, bool screenResolution = false);

    // The save dialog, then the picture saved under the name chosen.
    void chooseAndSave();
    // The type a name asks for: its own extension when it has one, else the filter's (0 .. 4:
    // bmp, gif, jpg, emf, wmf); none for an extension the program does not write.
    static std::optional<PictureFileType> typeFor(const std::filesystem::path& name, int filter);
    // Saves the graph as the type; false (with the message shown) when it could not be.
    bool save(const std::filesystem::path& path, PictureFileType type);

    // Continuous saving: the dialog and the first picture, or off.
    void toggleContinuousSaving();
    bool continuousSaving() const { return continuous_.has_value(); }
    // After every full redraw while continuous saving is on: the next picture of the sequence.
    void saveNextPicture();

    // The print dialog, printing on OK.
    void openPrintDialog();
    // Prints the mode's picture at percent of the page width; a machine without a printer
    // prints to a PDF file chosen in a save dialog, and says so.
    bool print(CaptureMode mode, int percent, bool wholeMultiple);

private:
    struct Sequence {
        std::filesystem::path folder;
        std::string base;
        PictureFileType type;
        int counter = 0;
        // GIF: one animated file of every picture instead of numbered files.
        std::shared_ptr<AnimatedGifWriter> gif;
        std::filesystem::path gifPath() const;
    };
    // Writes the animated file as far as it goes; false when it could not be written.
    bool writeGif();
    void addGifFrame();
    FileRequest pictureRequest() const;
    void showMessage(const std::string& text, bool error) const;
    void stopContinuousSaving();
    void showContinuousState();
    bool printPage(CaptureMode mode, int percent, bool wholeMultiple);

    Program& program_;
    std::optional<Sequence> continuous_;
    bool saving_ = false;
};

} // namespace tarlix
