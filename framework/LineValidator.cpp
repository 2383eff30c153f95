#include "framework/LineValidator.h"

#include <algorithm>
#include <limits>

namespace {

bool IsControl(char32_t character)
{
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

qsizetype Characters(QStringView text)
{
    return text.toUcs4().size();
}

// How much of `now` stands as it stood `before`: a common start and a common end, neither
// ending inside a surrogate pair. What lies between them arrived.
struct Kept {
    qsizetype start = 0;
    qsizetype end = 0;
};

Kept Unchanged(QStringView before, QStringView now)
{
    const qsizetype shorter = std::min(before.size(), now.size());
    Kept kept;
    while (kept.start < shorter && before[kept.start] == now[kept.start])
        ++kept.start;
    if (kept.start < now.size() && now[kept.start].isLowSurrogate())
        kept.start = std::max<qsizetype>(kept.start - 1, 0);
    while (kept.end < shorter - kept.start && before[before.size() - 1 - kept.end] == now[now.size() - 1 - kept.end])
        ++kept.end;
    if (kept.end > 0 && now[now.size() - kept.end].isLowSurrogate())
        --kept.end;
    return kept;
}

// The arrived characters that may stand: no control character, at most `room` of them.
QString Admitted(QStringView arrived, qsizetype room)
{
    QString admitted;
    for (const char32_t character : arrived.toUcs4()) {
        if (IsControl(character))
            continue;
        if (room-- == 0)
            break;
        admitted += QChar::fromUcs4(character);
    }
    return admitted;
}

} // namespace

void LineValidator::Write(const std::function<void()>& write)
{
    writing_ = true;
    write();
    writing_ = false;
}

QValidator::State LineValidator::validate(QString& input, int& position) const
{
    if (!writing_) {
        const Kept kept = Unchanged(accepted_, input);
        const QStringView arrived = QStringView(input).sliced(kept.start, input.size() - kept.start - kept.end);
        const qsizetype room = maxLength_ > 0
            ? std::max<qsizetype>(maxLength_ - Characters(QStringView(input).first(kept.start))
                                      - Characters(QStringView(input).last(kept.end)),
                                  0)
            : std::numeric_limits<qsizetype>::max();
        const QString admitted = Admitted(arrived, room);
        if (admitted.size() != arrived.size()) {
            // Refused whole, the box takes the change back and keeps its undo steps.
            if (admitted.isEmpty())
                return Invalid;
            input = input.first(kept.start) + admitted + input.last(kept.end);
            position = static_cast<int>(kept.start + admitted.size());
        }
    }
    Convert(input);
    accepted_ = input;
    return Acceptable;
}
