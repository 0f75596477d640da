#include "shell/PictureExport.h"

#include "document/ProjectFile.h"
#include "platform/qt/QtAnimatedGif.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPictureFiles.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSurfaces.h"
#include "platform/qt/QtText.h"
#include "shell/ControlPalette.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/Program.h"
#include "shell/ShownTexts.h"
#include "shell/dialogs/PrintDialog.h"

#include <QAction>
#include <QApplication>
#include <QPainter>

#include <cstdio>

namespace tarlix {

namespace {

// The save dialog's types, in the order of its filters.
constexpr PictureFileType kFilterTypes[] = {PictureFileType::Bmp, PictureFileType::Gif,
                                            PictureFileType::Jpeg, PictureFileType::Emf,
                                            PictureFileType::Wmf};
constexpr const char* kFilterKeys[] = {"Image.filterBmp", "Image.filterGif", "Image.filterJpg",
                                       "Image.filterEmf", "Image.filterWmf"};
// The vector modes record the graph at four times the screen's resolution.
constexpr int kVectorScale = 4;

QImage grabbed(QWidget& window) {
    QImage image = window.grab().toImage();
    image.setDevicePixelRatio(1);
    return image;
}

std::string withText(const char* key, const std::string& value) {
    std::string text = fromQString(shownText(key));
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

} // namespace

PictureExport::PictureExport(Program& program) : program_(program) {}

// A sequence still on when the program ends keeps its animated file.
PictureExport::~PictureExport() {
    writeGif();
}

std::filesystem::path PictureExport::Sequence::gifPath() const {
    return folder / (base + extensionOf(PictureFileType::Gif));
}

namespace {

// A control palette that hides itself is not part of a captured window.
class PaletteOutOfSight {
public:
    PaletteOutOfSight(QWidget* palette, bool hidesItself)
        : palette_(hidesItself && palette && palette->isVisible() ? palette : nullptr) {
        if (palette_) palette_->hide();
    }
    ~PaletteOutOfSight() {
        if (palette_) palette_->show();
    }
    PaletteOutOfSight(const PaletteOutOfSight&) = delete;
    PaletteOutOfSight& operator=(const PaletteOutOfSight&) = delete;

private:
    QWidget* palette_;
};

} // namespace

QImage PictureExport::captureBitmap(CaptureMode mode) const {
    GraphWindow& graph = *program_.graph();
    const PaletteOutOfSight hidden(graph.palette(), program_.objects().state.controlPalette);
    switch (mode) {
    case CaptureMode::GraphWindow:
        return grabbed(graph);
    case CaptureMode::DataPanel:
        return grabbed(*program_.dataPanel());
    case CaptureMode::WholeProgram: {
        // Both windows side by side, the graph window at the left, as high as the higher one.
        const QImage left = grabbed(graph);
        const QImage right = grabbed(*program_.dataPanel());
        QImage both(left.width() + right.width(), std::max(left.height(), right.height()),
                    QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter painter(&both);
        painter.drawImage(0, 0, left);
        painter.drawImage(left.width(), 0, right);
        return both;
    }
    default:
        break;
    }
    QImage image = graph.graphImage()->image();
    image.setDevicePixelRatio(1);
    return image;
}

Size PictureExport::pictureSize(CaptureMode mode) const {
    if (isVectorMode(mode)) {
        const View& view = program_.objects().document.view;
        return {view.xAxis.pixelLength, view.yAxis.pixelLength};
    }
    const QImage image = captureBitmap(mode);
    return {image.width(), image.height()};
}

RenderedPicture PictureExport::recordGraph(bool blackAndWhite, int scale) const {
    ProjectPicture& picture = program_.picture();
    QtSurfaces vector(true);
    picture.setBlackAndWhite(blackAndWhite);
    RenderedPicture rendered =
        renderPicture(picture, program_.objects().document.view, vector, scale);
    picture.setBlackAndWhite(false);
    return rendered;
}

void PictureExport::copy(CaptureMode mode, bool screenResolution) {
    Clipboard& clipboard = *program_.objects().platform.clipboard;
    if (!isVectorMode(mode)) {
        clipboard.putImage(QtImageCanvas(captureBitmap(mode)));
        return;
    }
    const RenderedPicture r = recordGraph(mode == CaptureMode::VectorBlackAndWhite,
                                          screenResolution ? 1 : kVectorScale);
    clipboard.putPicture(*r.picture, r.size, r.dotsPerInch);
}

std::optional<PictureFileType> PictureExport::typeFor(const std::filesystem::path& name,
                                                      int filter) {
    if (name.has_extension()) {
        const auto type = pictureFileTypeOf(name.string());
        for (const PictureFileType t : kFilterTypes)
            if (type == t) return t;
        return std::nullopt;
    }
    if (filter < 0 || filter >= static_cast<int>(std::size(kFilterTypes))) filter = 0;
    return kFilterTypes[filter];
}

void PictureExport::showMessage(const std::string& text, bool error) const {
    program_.objects().document.messages.show(
        text, error ? MessageKind::Error : MessageKind::Information, false);
}

bool PictureExport::save(const std::filesystem::path& path, PictureFileType type) {
    SaveResult saved;
    if (isVectorType(type)) {
        const RenderedPicture r = recordGraph(false, kVectorScale);
        saved = saveVectorFile(*r.picture, r.size, r.dotsPerInch, path.string(), type);
    } else {
        saved = saveBitmapFile(captureBitmap(CaptureMode::Graph), path.string(), type);
    }
    if (!saved.ok()) showMessage(kMsgCannotSave + path.string(), true);
    return saved.ok();
}

// The picture save dialog, in the project's folder.
FileRequest PictureExport::pictureRequest() const {
    FileRequest request;
    request.title = fromQString(shownText("Image.saveTitle"));
    for (const char* key : kFilterKeys) request.filters.push_back(fromQString(shownText(key)));
    request.filterSetsExtension = true;
    const std::string& project = program_.objects().document.project.projectPath;
    if (!project.empty()) request.folder = std::filesystem::path(project).parent_path();
    return request;
}

void PictureExport::chooseAndSave() {
    FileRequest request = pictureRequest();
    const std::string& project = program_.objects().document.project.projectPath;
    if (!project.empty())
        request.name = std::filesystem::path(project).filename().string() + ".bmp";
    const SaveChoice choice = program_.objects().platform.fileDialog->saveFileChoosing(request);
    if (choice.path.empty()) return;
    const auto type = typeFor(choice.path, static_cast<int>(choice.filter));
    if (!type) {
        showMessage(withText("Image.unknownType", choice.path.filename().string()), true);
        return;
    }
    std::filesystem::path path = choice.path;
    save(path.replace_extension(extensionOf(*type)), *type);
}

void PictureExport::toggleContinuousSaving() {
    if (continuous_) {
        stopContinuousSaving();
        return;
    }
    FileRequest request = pictureRequest();
    request.confirmOverwrite = false;
    const SaveChoice choice = program_.objects().platform.fileDialog->saveFileChoosing(request);
    if (!choice.path.empty()) {
        const auto type = typeFor(choice.path, static_cast<int>(choice.filter));
        if (!type) {
            showMessage(withText("Image.unknownType", choice.path.filename().string()), true);
        } else {
            continuous_ =
                Sequence{choice.path.parent_path(), choice.path.stem().string(), *type, 0, {}};
            if (*type == PictureFileType::Gif)
                continuous_->gif = std::make_shared<AnimatedGifWriter>(
                    program_.objects().document.project.settings.animationPeriod);
            saveNextPicture();
            if (continuous_)
                showMessage(withText("Image.continuous",
                                     continuous_->gif ? continuous_->gifPath().filename().string()
                                                      : continuous_->base + "xxx" +
                                                            extensionOf(*type)),
                            false);
        }
    }
    showContinuousState();
}

void PictureExport::saveNextPicture() {
    if (!continuous_ || saving_) return;
    if (continuous_->gif) return addGifFrame();
    saving_ = true;
    char number[16];
    std::snprintf(number, sizeof number, "%.3d", continuous_->counter);
    const std::filesystem::path path =
        continuous_->folder / (continuous_->base + number + extensionOf(continuous_->type));
    // A picture that cannot be written ends the sequence, once said.
    if (save(path, continuous_->type))
        ++continuous_->counter;
    else
        stopContinuousSaving();
    saving_ = false;
}

// Every picture is a frame of the one file, written now and then while the sequence runs, so
// that an ending the program did not choose leaves most of it.
void PictureExport::addGifFrame() {
    constexpr int kFramesBetweenWrites = 10;
    continuous_->gif->addFrame(captureBitmap(CaptureMode::Graph));
    if (continuous_->gif->frameCount() % kFramesBetweenWrites == 1 && !writeGif())
        stopContinuousSaving();
}

bool PictureExport::writeGif() {
    if (!continuous_ || !continuous_->gif) return true;
    return continuous_->gif->save(continuous_->gifPath().string()).ok();
}

void PictureExport::stopContinuousSaving() {
    if (!writeGif()) showMessage(kMsgCannotSave + continuous_->gifPath().string(), true);
    continuous_.reset();
    showContinuousState();
}

void PictureExport::showContinuousState() {
    DataPanel& panel = *program_.dataPanel();
    QAction* stop = panel.action("Toolbar.stopContinuousSave");
    stop->setEnabled(continuous_.has_value());
    stop->setChecked(continuous_.has_value());
    panel.action("FileContinuousSave")->setChecked(continuous_.has_value());
}

void PictureExport::openPrintDialog() {
    AppState& state = program_.objects().state;
    PrintDialog dialog(*program_.objects().platform.printer, state.printSize, state.printMode,
                       QApplication::activeWindow());
    dialog.pictureSize = [this](CaptureMode m) { return pictureSize(m); };
    dialog.print = [this](CaptureMode m, int percent, bool whole) { print(m, percent, whole); };
    dialog.exec();
}

bool PictureExport::print(CaptureMode mode, int percent, bool wholeMultiple) {
    PlatformServices& platform = program_.objects().platform;
    Printer& printer = *platform.printer;
    std::filesystem::path pdf;
    if (!printer.available()) {
        FileRequest request;
        request.title = fromQString(shownText("Print.toPdfTitle"));
        request.filters = {fromQString(shownText("Print.toPdfFilter"))};
        request.defaultSuffix = "pdf";
        pdf = platform.fileDialog->saveFile(request);
        if (pdf.empty()) return false;
        printer.printToFile(pdf.string());
    }
    const bool printed = printPage(mode, percent, wholeMultiple);
    if (!printed)
        showMessage(fromQString(shownText("Print.failed")), true);
    else if (!pdf.empty())
        showMessage(withText("Print.toPdfDone", pdf.string()), false);
    return printed;
}

// The picture stretched into its place on one page: a high-resolution drawing, or a captured
// bitmap (which the clipboard takes as well, as the copy command does).
bool PictureExport::printPage(CaptureMode mode, int percent, bool wholeMultiple) {
    Printer& printer = *program_.objects().platform.printer;
    const Size page = printer.pageSize();
    const std::string title = fromQString(program_.graph()->windowTitle());
    if (isVectorMode(mode)) {
        const Size drawing = pictureSize(mode);
        const Rect place = printedPlace(drawing, page, percent, wholeMultiple);
        // Lines and text grow with the picture, up to the printer's own fineness.
        const int scale =
            std::clamp(drawing.width > 0 ? place.width() / drawing.width : 1, 1, 16);
        const RenderedPicture r = recordGraph(mode == CaptureMode::VectorBlackAndWhite, scale);
        if (!printer.beginDocument(title)) return false;
        if (Canvas* canvas = printer.newPage())
            r.picture->replay(*canvas, place);
        return printer.endDocument();
    }
    const QImage image = captureBitmap(mode);
    const Rect place = printedPlace({image.width(), image.height()}, page, percent, wholeMultiple);
    const QtImageCanvas bitmap(image.convertToFormat(QImage::Format_RGB888));
    program_.objects().platform.clipboard->putImage(bitmap);
    if (!printer.beginDocument(title)) return false;
    if (Canvas* canvas = printer.newPage())
        canvas->copyFrom(bitmap, Rect{0, 0, image.width(), image.height()}, place, RasterOp::Copy);
    return printer.endDocument();
}

} // namespace tarlix
