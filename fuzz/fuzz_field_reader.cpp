// The field reader: the first byte says how many script bytes follow; each
// script byte picks the next read (text, whole number in one of the ranges
// the loaders use, real number, rest of line), and the rest of the input is
// the file. The script repeats until the file ends or the reader reports a
// DataError. Every read must advance, stay on the lines the file has and
// give what it promises.

#include "FuzzSupport.h"
#include "util/DataError.h"
#include "util/DataFile.h"

#include <array>
#include <cmath>
#include <utility>

using fuzzsupport::check;

namespace {
const QString file = QStringLiteral("\\データ\\欄.dat");

// Ranges the loaders ask for.
constexpr std::array<std::pair<int, int>, 4> ranges{
    {{INT16_MIN, INT16_MAX}, {0, 15}, {1, 3}, {1, INT16_MAX}}};

bool holdsLineEnd(const QString& s) {
    return s.contains(u'\r') || s.contains(u'\n');
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t scriptSize = std::min<std::size_t>(data[0] % 16 + 1, size - 1);
    const std::uint8_t* script = data + 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1 + scriptSize),
                           static_cast<qsizetype>(size - 1 - scriptSize));
    auto& material = fuzzsupport::ScratchMaterial::instance();
    material.write(file, bytes);
    // CR and LF bytes are never half of a CP932 character: no file has more lines.
    const int maxLine = static_cast<int>(bytes.count('\r') + bytes.count('\n')) + 1;

    try {
        util::DataFile f(material.basePath(), file);
        int lastLine = f.lineNumber();
        // Each read takes at least one character or throws.
        for (qsizetype step = 0; !f.atEnd(); ++step) {
            check(step <= bytes.size(), "the reader does not advance");
            const std::uint8_t op = scriptSize == 0 ? 0 : script[step % scriptSize];
            switch (op % 4) {
            case 0: {
                const QString t = f.text();
                check(!holdsLineEnd(t), "a field holds a line end", t);
                break;
            }
            case 1: {
                const auto [min, max] = ranges[(op / 4) % ranges.size()];
                const int v = f.integer(min, max);
                check(v >= min && v <= max, "a whole number outside its range", QString::number(v));
                break;
            }
            case 2: {
                const double v = f.real();
                check(std::isfinite(v), "a real number that is not finite", QString::number(v));
                break;
            }
            default: {
                const QString t = f.line();
                check(!holdsLineEnd(t), "a line holds a line end", t);
                break;
            }
            }
            check(f.lineNumber() >= lastLine, "the line number went back");
            check(f.fieldLineNumber() <= f.lineNumber(), "a field after the reading position");
            check(f.lineNumber() <= maxLine, "a line the file does not have",
                  QString::number(f.lineNumber()));
            lastLine = f.lineNumber();
        }
    } catch (const util::DataError& e) {
        check(e.file() == file, "the error names another file", e.file());
        check(e.line() >= 0 && e.line() <= maxLine, "the error names a line the file lacks",
              e.message());
        check(!e.problem().isEmpty(), "an error without a problem");
    }
    return 0;
}
