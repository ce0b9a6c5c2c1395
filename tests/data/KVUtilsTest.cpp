// The link and mail routines against a fake shell and a fake message box.
#include "KVUtils.h"
#include "KVDesktopShell.h"
#include "KVMessageBox.h"
#include "KVShell.h"
#include "Product.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FakeShell : public TKVShell {
public:
  bool OpenLink(const QString& Link) override {
    Calls << "open " + Link;
    return LinkOpens;
  }
  bool Execute(const QString& Program, const QStringList& Arguments) override {
    Calls << "run " + Program + " | " + Arguments.join(" | ");
    return ProgramStarts;
  }
  QString RegisteredCommand(const QString& Protocol) override {
    Calls << "lookup " + Protocol;
    return Commands.value(Protocol);
  }
  bool LinkOpens = true;
  bool ProgramStarts = true;
  QMap<QString, QString> Commands;
  QStringList Calls;
};

class FakeBox : public TKVMessageBox {
public:
  int Show(const QString& Text, const QString& Caption, int Flags) override {
    Shown << Caption + " / " + Text + " / " + QString::number(Flags);
    return Answer;
  }
  int Answer = IDOK;
  QStringList Shown;
};

class KVUtilsTest : public ::testing::Test {
protected:
  void SetUp() override {
    TKVShell::SetInstance(&Shell);
    TKVMessageBox::SetInstance(&Box);
  }
  void TearDown() override {
    TKVShell::SetInstance(nullptr);
    TKVMessageBox::SetInstance(nullptr);
  }
  FakeShell Shell;
  FakeBox Box;
};

struct Split {
  bool Ok;
  QString Program;
  QString Params;
};

Split SplitOf(const QString& command) {
  Split s;
  s.Ok = SplitAssociatedCommand(command, s.Program, s.Params);
  return s;
}

} // namespace

TEST(KVUtilsCommand, SplitsAtTheProgramExtension) {
  Split s = SplitOf(R"("C:\Browser\browse.exe" -nohome "%1")");
  EXPECT_TRUE(s.Ok);
  EXPECT_EQ(s.Program, R"(C:\Browser\browse.exe)");
  EXPECT_EQ(s.Params, "-nohome");

  s = SplitOf(R"(C:\Mail\Send.Bat /compose %1 /quiet)");
  EXPECT_EQ(s.Program, R"(C:\Mail\Send.Bat)");
  EXPECT_EQ(s.Params, "/compose  /quiet");

  s = SplitOf(R"(C:\tools\open.com)");
  EXPECT_EQ(s.Program, R"(C:\tools\open.com)");
  EXPECT_EQ(s.Params, "");

  // The last extension ends the program.
  s = SplitOf(R"(C:\a.exe\b.EXE -x)");
  EXPECT_EQ(s.Program, R"(C:\a.exe\b.EXE)");
  EXPECT_EQ(s.Params, "-x");
}

TEST(KVUtilsCommand, WithoutExtensionTheFirstWordIsTheProgram) {
  Split s = SplitOf("/usr/bin/firefox-esr %u");
  EXPECT_TRUE(s.Ok);
  EXPECT_EQ(s.Program, "/usr/bin/firefox-esr");
  EXPECT_EQ(s.Params, "");

  s = SplitOf("thunderbird -compose %u");
  EXPECT_EQ(s.Program, "thunderbird");
  EXPECT_EQ(s.Params, "-compose");

  s = SplitOf(R"("/opt/My Browser/run" --new-tab "%U")");
  EXPECT_EQ(s.Program, "/opt/My Browser/run");
  EXPECT_EQ(s.Params, "--new-tab");

  s = SplitOf("browser");
  EXPECT_EQ(s.Program, "browser");
  EXPECT_EQ(s.Params, "");

  s = SplitOf("");
  EXPECT_FALSE(s.Ok);
  EXPECT_TRUE(s.Program.isEmpty());
}

TEST(KVUtilsCommand, DesktopEntryExec) {
  const QByteArray file = "[Desktop Entry]\n"
                          "Name=Browser\n"
                          "# Exec=commented out\n"
                          "Exec[de]=localized %u\n"
                          "Exec = /usr/bin/browser --new %u \n"
                          "[Desktop Action private]\n"
                          "Exec=/usr/bin/browser --private %u\n";
  EXPECT_EQ(DesktopEntryExec(file), "/usr/bin/browser --new %u");
  EXPECT_EQ(DesktopEntryExec("[Desktop Action x]\nExec=a\n"), "");
  EXPECT_EQ(DesktopEntryExec(""), "");
  EXPECT_EQ(DesktopEntryExec(QByteArray(100, '\0')), "");
}

TEST_F(KVUtilsTest, AssociatedProgramComesFromTheRegisteredCommand) {
  QString program = "stale";
  QString params = "stale";
  EXPECT_FALSE(GetAssociatedProgram("http", program, params));
  EXPECT_TRUE(program.isEmpty());
  EXPECT_TRUE(params.isEmpty());
  Shell.Commands["http"] = "/usr/bin/browser --new %u";
  EXPECT_TRUE(GetAssociatedProgram("http", program, params));
  EXPECT_EQ(program, "/usr/bin/browser");
  EXPECT_EQ(params, "--new");
}

TEST_F(KVUtilsTest, OpenURLUsesTheGivenProgramThenTheDefaultHandler) {
  EXPECT_TRUE(OpenURL("http://example.com/", "/usr/bin/viewer", true));
  EXPECT_TRUE(OpenURL("http://example.com/a"));
  EXPECT_EQ(Shell.Calls, (QStringList{"run /usr/bin/viewer | http://example.com/",
                                      "open http://example.com/a"}));
  EXPECT_TRUE(Box.Shown.isEmpty());
}

TEST_F(KVUtilsTest, OpenURLFallsBackToTheHttpCommand) {
  Shell.LinkOpens = false;
  Shell.Commands["http"] = R"("C:\Browser\browse.exe" -nohome "%1")";
  EXPECT_TRUE(OpenURL("http://example.com/"));
  EXPECT_EQ(Shell.Calls,
            (QStringList{"open http://example.com/", "lookup http",
                         R"(run C:\Browser\browse.exe | -nohome | http://example.com/)"}));
  EXPECT_TRUE(Box.Shown.isEmpty());
}

// The link is one argument after the command's own, whatever quotes it holds: a shell-style
// split used to turn "it's" into an open quote that swallowed the rest.
TEST_F(KVUtilsTest, FallbackHandsTheLinkOnAsOneArgumentAfterTheCommandsOwn) {
  Shell.LinkOpens = false;
  Shell.Commands["http"] = R"(/usr/bin/browser --new-window  "--class=Web" %u)";
  EXPECT_TRUE(OpenURL("https://example.com/it's?a='b'&c=%22d"));
  EXPECT_EQ(Shell.Calls.last(), "run /usr/bin/browser | --new-window | --class=Web | "
                                "https://example.com/it's?a='b'&c=%22d");
  EXPECT_EQ(RegisteredCommandArguments("", "http://x/"), QStringList{"http://x/"});
  EXPECT_TRUE(OpenURL("http://x/", "/usr/bin/viewer --flag"));
  EXPECT_EQ(Shell.Calls.last(), "run /usr/bin/viewer --flag | http://x/");
  EXPECT_TRUE(OpenURL("www.example.com/it's"));
  EXPECT_EQ(Shell.Calls.last(), "run /usr/bin/browser | --new-window | --class=Web | "
                                "http://www.example.com/it's");
}

TEST(KVUtilsLinks, OnlyStrictWebLinksLeaveAndMailOnlyFromTheGame) {
  struct TCase {
    const char* Link;
    bool FromSet;
    bool FromGame;
    const char* Opens = nullptr; // when it differs from Link
  };
  const TCase cases[] = {
      {"http://example.com/", true, true},
      {"https://example.com:8080/a/b?c=d&e=%20f#g", true, true},
      {"HTTPS://Example.COM", true, true},
      {"http://[::1]/", true, true},
      {"http://user@example.com/", true, true},
      {"mailto:tesselo@kovalent.example", false, true},
      {"MAILTO:a@b.c?subject=Hi", false, true},
      {"mailto:", false, false},
      {"file:///home/ann/.local/share/applications/evil.desktop", false, false},
      {"/usr/bin/xterm", false, false},
      {"Example.com/sets?a=1#top", true, true, "http://Example.com/sets?a=1#top"},
      {"www.example.com", true, true, "http://www.example.com"},
      {"bücher.example:8080/x", true, true, "http://bücher.example:8080/x"},
      {"localhost", false, false},
      {"192.168.0.1/admin", false, false},
      {"a-.example.com", false, false},
      {"example.com:x@evil.example/", false, false},
      {"./x", false, false},
      {"~/x", false, false},
      {"javascript:alert(1)", false, false},
      {"ftp://example.com/", false, false},
      {"smb://server/share", false, false},
      {"http://[ --incognito", false, false},
      {"http://example.com/ --incognito", false, false},
      {"http://example.com/\t", false, false},
      {"http://example.com/\n", false, false},
      {" http://example.com/", false, false},
      {"http:///etc/passwd", false, false},
      {"http:example.com", false, false},
      {"https://", false, false},
      {"http://exa%mple.com/", false, false},
      {"http://example.com/%zz", false, false},
      {"http://example.com\\@evil.example/", false, false},
      {"http://example.com/<img src=x>", false, false},
      {"http://example.com/<b>", false, false},
      {"", false, false},
  };
  for (const TCase& c : cases) {
    const QString link = QString::fromUtf8(c.Link);
    const QString opens = c.Opens != nullptr ? QString::fromUtf8(c.Opens) : link;
    EXPECT_EQ(LinkToOpen(link, TLinkOrigin::CardSet), c.FromSet ? opens : QString()) << c.Link;
    EXPECT_EQ(LinkToOpen(link, TLinkOrigin::Game), c.FromGame ? opens : QString()) << c.Link;
  }
  // Characters that are hard to see in a literal: a NUL, a bell, a right-to-left
  // override that makes the link read backwards, a line separator, a no-break space.
  for (const char16_t hidden : {u'\0', u'\a', u'\x202E', u'\x2028', u'\x00A0'}) {
    const QString link = QStringLiteral("https://example.com/a") + QChar(hidden) + "b";
    EXPECT_EQ(LinkToOpen(link, TLinkOrigin::Game), QString()) << int(hidden);
  }
}

TEST_F(KVUtilsTest, RefusedLinksOpenNothingAndSayWhy) {
  const QString local = "file:///home/ann/.local/share/applications/x.desktop";
  EXPECT_FALSE(OpenURL(local));
  EXPECT_FALSE(OpenURL(local, "/usr/bin/viewer", true, TLinkOrigin::Game));
  EXPECT_FALSE(OpenURL("mailto:a@b.c"));
  EXPECT_TRUE(OpenURL("mailto:a@b.c", "", true, TLinkOrigin::Game));
  EXPECT_EQ(Shell.Calls, QStringList{"open mailto:a@b.c"});
  EXPECT_EQ(Box.Shown.size(), 3);
  EXPECT_EQ(Box.Shown[0], "Default web browser not found / Unable to connect to " + local + " / 0");
}

TEST_F(KVUtilsTest, OpenURLFailureIsReported) {
  Shell.LinkOpens = false;
  EXPECT_FALSE(OpenURL("http://example.com/%1"));
  EXPECT_EQ(Box.Shown, QStringList{"Default web browser not found / Unable to connect to "
                                   "http://example.com/%1 / 0"});
  // The fallback command that does not start is a failure too; without ShowError it is silent.
  Shell.Commands["http"] = "browser %u";
  Shell.ProgramStarts = false;
  EXPECT_FALSE(OpenURL("http://x/", "", false));
  EXPECT_EQ(Box.Shown.size(), 1);
  EXPECT_FALSE(OpenURL("http://x/", "/bin/nothing"));
  EXPECT_EQ(Box.Shown.size(), 2);
}

TEST_F(KVUtilsTest, SendMailPrefixesOnce) {
  EXPECT_TRUE(SendMail("player@example.com"));
  EXPECT_TRUE(SendMail("mailto:player@example.com"));
  // Not prefixed, since it holds "mailto:", and then no mail link: nothing is started.
  EXPECT_FALSE(SendMail("Write to mailto:x@y.z"));
  EXPECT_EQ(Shell.Calls,
            (QStringList{"open mailto:player@example.com", "open mailto:player@example.com"}));
  EXPECT_EQ(Box.Shown, QStringList{"Default mail program not found / Unable to send mail to "
                                   "Write to mailto:x@y.z / 0"});
}

TEST_F(KVUtilsTest, SendMailFallsBackToTheMailtoCommandAndReportsFailure) {
  Shell.LinkOpens = false;
  Shell.Commands["mailto"] = "mailer -compose %u";
  EXPECT_TRUE(SendMail("a@b.c"));
  EXPECT_EQ(Shell.Calls.mid(1),
            (QStringList{"lookup mailto", "run mailer | -compose | mailto:a@b.c"}));
  Shell.Commands.clear();
  EXPECT_FALSE(SendMail("a@b.c"));
  EXPECT_EQ(
      Box.Shown,
      QStringList{"Default mail program not found / Unable to send mail to mailto:a@b.c / 0"});
}

TEST_F(KVUtilsTest, MessageBoxCaptionDefaultsToTheApplicationTitle) {
  QGuiApplication::setApplicationDisplayName(product::Title);
  Box.Answer = IDNO;
  EXPECT_EQ(ShowMessageBox("Text"), IDNO);
  EXPECT_EQ(ShowMessageBox("Sure?", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(Box.Shown,
            (QStringList{QString(product::Title) + " / Text / 0", "Question / Sure? / 36"}));
}

TEST(KVDesktopShell, ExecuteReportsWhetherTheProgramStarted) {
  TKVDesktopShell shell;
  EXPECT_FALSE(shell.Execute("", {"x"}));
  EXPECT_FALSE(shell.Execute("/nonexistent/tesselo-browser", {"http://example.com/"}));
  EXPECT_TRUE(shell.Execute("/bin/true", {"--ignored", "'two words"}));
}

TEST(KVDesktopShell, MimeAppsDefault) {
  const QByteArray list = "[Added Associations]\n"
                          "x-scheme-handler/http=other.desktop;\n"
                          "[Default Applications]\n"
                          "text/html=viewer.desktop\n"
                          "x-scheme-handler/http= ;browser.desktop;backup.desktop;\n";
  EXPECT_EQ(MimeAppsDefault(list, "x-scheme-handler/http"), "browser.desktop");
  EXPECT_EQ(MimeAppsDefault(list, "x-scheme-handler/mailto"), "");
  EXPECT_EQ(MimeAppsDefault("garbage\n[\n=\n", "x-scheme-handler/http"), "");
}

// The whole lookup against a private desktop configuration: the default handler's Exec line,
// split by GetAssociatedProgram.
TEST(KVDesktopShell, RegisteredCommandFollowsTheDefaultHandler) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  ASSERT_TRUE(QDir(home.path()).mkpath("config"));
  ASSERT_TRUE(QDir(home.path()).mkpath("data/applications"));
  const auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile f(home.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  };
  write("config/mimeapps.list",
        "[Default Applications]\nx-scheme-handler/http=tesselo-test-browser.desktop\n");
  write("data/applications/tesselo-test-browser.desktop",
        "[Desktop Entry]\nType=Application\nName=Test\nExec=/opt/test/browser --new-tab %u\n");
  const char* const vars[4] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                               "XDG_DATA_DIRS"};
  const QString values[4] = {"config", "none", "data", "none"};
  QByteArray saved[4];
  for (int i = 0; i < 4; ++i) {
    saved[i] = qgetenv(vars[i]);
    qputenv(vars[i], home.filePath(values[i]).toLocal8Bit());
  }

  TKVDesktopShell shell;
  const QString http = shell.RegisteredCommand("http");
  const QString mailto = shell.RegisteredCommand("mailto");
  TKVShell::SetInstance(&shell);
  QString program;
  QString params;
  const bool found = GetAssociatedProgram("http", program, params);
  TKVShell::SetInstance(nullptr);

  for (int i = 0; i < 4; ++i)
    saved[i].isNull() ? qunsetenv(vars[i]) : qputenv(vars[i], saved[i]);
  EXPECT_EQ(http, "/opt/test/browser --new-tab %u");
  EXPECT_EQ(mailto, "");
  EXPECT_TRUE(found);
  EXPECT_EQ(program, "/opt/test/browser");
  EXPECT_EQ(params, "--new-tab");
}
