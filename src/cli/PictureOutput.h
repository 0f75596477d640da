#pragma once
// What the picture-writing commands of tarlix-cli share: Qt's application object (offscreen
// without a display) and writing a PNG through a temporary file renamed over the target.

#include <QImage>

#include <string>

namespace tarlix::cli {

void ensureGuiApplication();
bool savePng(const QImage& image, const std::string& path);

} // namespace tarlix::cli
