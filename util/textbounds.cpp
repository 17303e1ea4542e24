#include "util/textbounds.h"

namespace TextBounds {

QString cutMark()
{
    // An ellipsis in brackets, the editor's sign for left-out text in most of the interface's
    // languages, so the mark needs no translation and a cut text reads the same in every one.
    return QStringLiteral(" [\u2026]");
}

QString cut(const QString& text, qsizetype limit)
{
    if (text.size() <= limit) {
        return text;
    }
    qsizetype kept = limit;
    if (kept > 0 && text.at(kept - 1).isHighSurrogate() && text.at(kept).isLowSurrogate()) {
        --kept;
    }
    return text.left(kept) + cutMark();
}

} // namespace TextBounds
