#include "platform/qt/QtText.h"

#include "base/Text1252.h"

namespace tarlix {

QString toQString(std::string_view text) {
    QString s;
    s.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        s.append(QChar(static_cast<char16_t>(codePointOf1252(static_cast<unsigned char>(c)))));
    return s;
}

std::string fromQString(const QString& s) {
    std::string out;
    out.reserve(static_cast<std::size_t>(s.size()));
    for (QChar ch : s) {
        const int b = byteOf1252(ch.unicode());
        if (b >= 0) out += static_cast<char>(b);
    }
    return out;
}

} // namespace tarlix
