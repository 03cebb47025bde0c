// SPDX-License-Identifier: MIT
#include "ui/toolkit/WindowCaption.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

// The X11 side needs a real server: the probe runs there and reports what a window manager
// would read from the windows' title properties.
TEST(WindowCaption, EmptyCaptionsAreEmptyOnX11) {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::SeparateChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    // Under the sanitizers, the X11 side loads system libraries with leaks of their own.
    environment.insert(u"LSAN_OPTIONS"_s, u"suppressions="_s + QStringLiteral(TP_X11_PROBE_LSAN));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(TP_IN_XVFB), {u"800x600x24"_s, QStringLiteral(TP_X11_PROBE)});
    ASSERT_TRUE(probe.waitForFinished(30000));
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    ASSERT_EQ(probe.exitCode(), 0)
        << out.toStdString() << probe.readAllStandardError().toStdString();
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(u"dialog-empty net=0 wm=0"_s)) << out.toStdString();
    EXPECT_TRUE(lines.contains(u"dialog-retitled-empty net=0 wm=0"_s)) << out.toStdString();
    EXPECT_TRUE(lines.contains(u"messagebox-empty net=0 wm=0"_s)) << out.toStdString();
    EXPECT_TRUE(lines.contains(u"dialog-named net=交易"_s)) << out.toStdString();
}

} // namespace
} // namespace tp::ui
