// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/displaycheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace quorix;

namespace {

struct Environment {
    const char *qpaPlatform, *sessionType, *desktop, *display;
};

void setOrUnset(const char *name, const char *value)
{
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

void use(const Environment &e)
{
    setOrUnset("QT_QPA_PLATFORM", e.qpaPlatform);
    setOrUnset("XDG_SESSION_TYPE", e.sessionType);
    setOrUnset("XDG_CURRENT_DESKTOP", e.desktop);
    unsetenv("XDG_SESSION_DESKTOP");
    setOrUnset("DISPLAY", e.display);
}

QByteArray platformWith(std::vector<const char *> args)
{
    args.insert(args.begin(), "quorix");
    return platformToStart(int(args.size()), const_cast<char **>(args.data()));
}

} // namespace

TEST(DisplayCheck, PlatformToStart)
{
    struct Case {
        const char *name;
        Environment env;
        std::vector<const char *> args;
        const char *expected;
    };
    const Case cases[] = {
        {"nothing set is X11", {nullptr, nullptr, nullptr, ":0"}, {}, "xcb"},
        {"options are dropped", {"offscreen:configfile=x.json", nullptr, nullptr, nullptr}, {}, "offscreen"},
        {"the first of a list", {"wayland;xcb", nullptr, nullptr, nullptr}, {}, "wayland"},
        {"a Wayland session", {nullptr, "wayland", "KDE", nullptr}, {}, "wayland"},
        {"GNOME's Wayland session stays on X11", {nullptr, "wayland", "ubuntu:GNOME", nullptr}, {}, "xcb"},
        {"-platform wins", {"offscreen", nullptr, nullptr, nullptr}, {"-platform", "xcb"}, "xcb"},
        {"--platform too",
         {nullptr, nullptr, nullptr, nullptr},
         {"--data-dir", "d", "--platform", "minimal"},
         "minimal"},
    };
    for (const Case &c : cases) {
        use(c.env);
        EXPECT_EQ(platformWith(c.args), QByteArray(c.expected)) << c.name;
    }
}

TEST(DisplayCheck, UnreachableDisplayIsNamedWithTheRemedy)
{
    use({nullptr, nullptr, nullptr, ":5999"});
    const QString why = unreachableDisplay(1, nullptr);
    EXPECT_TRUE(why.contains(QStringLiteral("\":5999\" (named by DISPLAY) could not be reached")))
        << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("xvfb-run -a"))) << why.toStdString();

    const char *display[] = {"quorix", "-display", ":5998"};
    EXPECT_TRUE(unreachableDisplay(3, const_cast<char **>(display))
                    .contains(QStringLiteral("\":5998\" (named by -display)")));

    use({"offscreen", nullptr, nullptr, ":5999"});
    EXPECT_TRUE(unreachableDisplay(1, nullptr).isEmpty());
}
