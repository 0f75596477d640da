#pragma once
// What the picture-writing commands of tarlix-cli share: their option values (picture size,
// parameter values, the picture file's type) and drawing the project's picture into a picture
// file of any type the program writes, through a temporary file renamed over the target.

#include "base/AtomicFile.h"
#include "cli/CommandTime.h"
#include "document/Document.h"
#include "view/RedrawState.h"
#include "view/View.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>

namespace tarlix::cli {

inline constexpr int kMinPicturePixels = 10;
inline constexpr int kMaxPicturePixels = 1400; // the widest view the function caches hold
inline constexpr int kMaxPictureScale = 16;    // as printing enlarges

// "WxH" with both within kMinPicturePixels..kMaxPicturePixels.
std::optional<std::pair<int, int>> parsePictureSize(const std::string& text);
// "L=VALUE" with L a parameter letter (θ in UTF-8): the parameter's slot 1..14 and the value.
std::optional<std::pair<int, Extended>> parseParameterValue(const std::string& text);
// The message for a bad --param (UTF-8).
std::string parameterOptionHelp();

// How a project's picture is drawn for output: in black and white, enlarged.
struct PictureOptions {
    bool blackAndWhite = false;
    int scale = 1; // the enlargement of the picture: lines, points and text grow with it
    // The command's budget: when it runs out the picture is not written (none: no limit).
    DeadlineBudget* budget = nullptr;
    // The marks of the function-value and integral windows drawn over the picture, as the
    // window shows them while those windows are open.
    bool valueMarker = false;
    bool integral = false;
};

// The program's save message for path, with the reason the save failed (UTF-8, no line end).
std::string saveFailureText(const std::string& path, const SaveResult& result);

// The picture file types by extension, for messages: ".png, .svg, .pdf, ...".
std::string acceptedPictureExtensions();
// True when path ends in an extension of a picture type; otherwise says so with prefix on err.
bool checkPictureExtension(const std::string& path, const char* prefix, std::ostream& err);

class CliArgs;
// --bw and --scale S as given; a bad scale is refused with prefix and the reason on err.
std::optional<PictureOptions> readPictureOptions(const CliArgs& args, const char* prefix,
                                                 std::ostream& err);

// Recomputes and draws the project's picture at the view's size and writes it as the type its
// extension names: PNG, BMP, GIF or JPEG from the drawn image, SVG, PDF, EMF or WMF from the
// recorded picture (vector, at the picture's physical size); a failure to write prints prefix
// and the reason on err, as do an unknown extension and a budget that ran out (nothing is
// written then). The document's afterimages are drawn under it.
bool writeProjectPicture(Document& document, const std::string& path, const char* prefix,
                         std::ostream& err, const PictureOptions& options = {});

} // namespace tarlix::cli
