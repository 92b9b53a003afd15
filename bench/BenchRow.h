#pragma once

#include <QString>
#include <QtGlobal>
#include <QVector>

#include <algorithm>
#include <cstdio>

// A benchmark's settings go to a folder of its own and its windows off screen.
inline void UseOwnSettingsOffscreen(const QString &home)
{
    qputenv("XDG_CONFIG_HOME", home.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// One line of the report: bench/run.sh gathers them into a table.
inline void PrintRow(const QString &figure, double program, double baseline, const QString &unit,
                     const QString &target)
{
    const double ratio = baseline > 0 ? program / baseline : 0;
    std::printf("ROW\t%s\t%.3f %s\t%.3f %s\t%.2f\t%s\n", qPrintable(figure), program, qPrintable(unit),
                baseline, qPrintable(unit), ratio, qPrintable(target));
    std::fflush(stdout);
}

// A figure with no baseline of its own: its target is an absolute bound.
inline void PrintValue(const QString &figure, double value, const QString &unit, const QString &target)
{
    std::printf("ROW\t%s\t%.2f %s\t-\t-\t%s\n", qPrintable(figure), value, qPrintable(unit), qPrintable(target));
    std::fflush(stdout);
}

inline double Median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

inline double Percentile(QVector<double> values, double share)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int index = std::min<int>(values.size() - 1, static_cast<int>(share * values.size()));
    return values.at(index);
}
