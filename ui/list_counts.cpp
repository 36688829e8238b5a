#include "ui/list_counts.h"

#include <QLocale>
#include <QStringList>

namespace vardelis {
namespace {

// A count in French, its thousands apart (« 1 250 »), before its noun, singular for 0 and 1.
QString counted(int count, const char* one, const char* many) {
    return QLocale(QLocale::French, QLocale::France).toString(count) + QLatin1Char(' ') +
           QString::fromUtf8(count > 1 ? many : one);
}

struct VerdictCount {
    Verdict verdict;
    const char* one;
    const char* many;
};

constexpr std::array<VerdictCount, 5> verdict_counts = {{
    {Verdict::right, "juste", "justes"},
    {Verdict::wrong_key, "clé fausse", "clés fausses"},
    {Verdict::to_check, "à vérifier", "à vérifier"},
    {Verdict::no_key, "sans clé", "sans clé"},
    {Verdict::no_number, "sans numéro", "sans numéro"},
}};

} // namespace

QString counts_in_french(const ListModel::Counts& counts) {
    QString lines = counted(counts.lines, "ligne", "lignes");
    QStringList verdicts;
    for (const VerdictCount& each : verdict_counts) {
        if (const int count = counts.of(each.verdict); count > 0) {
            verdicts << counted(count, each.one, each.many);
        }
    }
    if (verdicts.isEmpty()) {
        return lines;
    }
    return lines + QStringLiteral("\u00A0: ") + verdicts.join(QStringLiteral(", "));
}

} // namespace vardelis
