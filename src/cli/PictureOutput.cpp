#include "cli/PictureOutput.h"

#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "document/ParamTable.h"
#include "document/ProjectFile.h"
#include "platform/qt/QtHeadless.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPictureFiles.h"
#include "render/ProjectPicture.h"
#include "render/RenderPicture.h"

#include <cstring>
#include <ostream>

namespace tarlix::cli {

std::optional<std::pair<int, int>> parsePictureSize(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos) return std::nullopt;
    const auto w = parseInteger(text.substr(0, x));
    const auto h = parseInteger(text.substr(x + 1));
    const auto fits = [](const std::optional<long>& n) {
        return n && *n >= kMinPicturePixels && *n <= kMaxPicturePixels;
    };
    if (!fits(w) || !fits(h)) return std::nullopt;
    return std::pair{static_cast<int>(*w), static_cast<int>(*h)};
}

std::optional<std::pair<int, Extended>> parseParameterValue(const std::string& text) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const std::string letter = utf8ToText(text.substr(0, eq));
    const auto value = parseNumber(text.substr(eq + 1));
    const int slot = letter.size() == 1 ? parameterOfLetter(letter[0]) : 0;
    if (slot == 0 || !value) return std::nullopt;
    return std::pair{slot, static_cast<Extended>(*value)};
}

std::string parameterOptionHelp() {
    return "--param must be L=VALUE with L one of a b c d m n p q s t u v \xCE\xB8 k";
}

std::string saveFailureText(const std::string& path, const SaveResult& result) {
    const std::string reason = result.error != 0 ? std::strerror(result.error) : "";
    std::string why;
    switch (result.failure) {
    case SaveFailure::None:
        break;
    case SaveFailure::NotRegularFile:
        why = "not a regular file, left as it is";
        break;
    case SaveFailure::NotWritable:
        why = "the file may not be written: " + reason;
        break;
    case SaveFailure::LinkLoop:
        why = "its symbolic links lead to no file: " + reason;
        break;
    case SaveFailure::CannotCreate:
        why = "no file can be made in its folder: " + reason;
        break;
    case SaveFailure::WriteFailed:
        why = reason.empty() ? "nothing could be drawn into it" : "writing failed: " + reason;
        break;
    case SaveFailure::CannotReplace:
        why = "the finished file could not replace it: " + reason;
        break;
    }
    return std::string(kMsgCannotSave) + path + " (" + why + ")";
}

std::string acceptedPictureExtensions() {
    return ".png, .svg, .pdf, .bmp, .gif, .jpg, .jpeg, .emf or .wmf";
}

bool checkPictureExtension(const std::string& path, const char* prefix, std::ostream& err) {
    if (pictureFileTypeOf(path)) return true;
    err << prefix << "the picture's name must end in " << acceptedPictureExtensions() << ", got \""
        << path << "\"\n";
    return false;
}

std::optional<PictureOptions> readPictureOptions(const CliArgs& args, const char* prefix,
                                                 std::ostream& err) {
    PictureOptions options;
    options.blackAndWhite = args.has("--bw");
    if (auto scale = args.value("--scale")) {
        const auto n = parseInteger(*scale);
        if (!n || *n < 1 || *n > kMaxPictureScale) {
            err << prefix << "--scale must be a whole number from 1 to " << kMaxPictureScale
                << ", got \"" << *scale << "\"\n";
            return std::nullopt;
        }
        options.scale = static_cast<int>(*n);
    }
    return options;
}

bool writeProjectPicture(Document& document, const std::string& path, const char* prefix,
                         std::ostream& err, const PictureOptions& options) {
    View& view = document.view;
    ProjectPicture picture(document);
    picture.setBlackAndWhite(options.blackAndWhite);
    picture.setBudget(options.budget);
    picture.setWindowOverlays({options.valueMarker, options.integral});
    const auto outOfTime = [&] {
        if (!options.budget || !options.budget->ranOut()) return false;
        err << prefix << timeoutMessage(options.budget->seconds()) << "\n";
        return true;
    };
    const auto type = pictureFileTypeOf(path);
    if (!type) return checkPictureExtension(path, prefix, err);
    picture.recompute();
    QtHeadless platform;
    const auto reportSaved = [&](const SaveResult& saved) {
        if (!saved.ok()) err << prefix << saveFailureText(path, saved) << "\n";
        return saved.ok();
    };
    if (isVectorType(*type)) {
        // Vector files take the recorded picture, drawn straight without layer images.
        QtSurfaces vector(true);
        const RenderedPicture rendered = renderPicture(picture, view, vector, options.scale);
        if (outOfTime()) return false;
        return reportSaved(
            saveVectorFile(*rendered.picture, rendered.size, rendered.dotsPerInch, path, *type));
    }
    // An enlarged picture maps every pixel of the view to scale pixels; the rulers beside it
    // are drawn at the ordinary size.
    const int scale = options.scale;
    const auto canvas =
        platform.createImage((view.xAxis.pixelLength + (scale > 1 ? 1 : 0)) * scale,
                             (view.yAxis.pixelLength + (scale > 1 ? 1 : 0)) * scale);
    picture.draw(*canvas, platform, scale);
    const auto withRulers = picture.withRulers(*canvas, platform);
    if (outOfTime()) return false;
    const Canvas& drawn = withRulers ? *withRulers : *canvas;
    if (*type == PictureFileType::Png) return reportSaved(platform.savePng(drawn, path));
    const auto* image = dynamic_cast<const QtImageCanvas*>(&drawn);
    if (!image) return reportSaved(SaveResult{SaveFailure::WriteFailed, 0});
    return reportSaved(saveBitmapFile(image->image(), path, *type));
}

} // namespace tarlix::cli
