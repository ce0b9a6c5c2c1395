// The link and mail routines against a fake shell and a fake message box.
#include "KVUtils.h"
#include "KVDesktopShell.h"
#include "KVMessageBox.h"
#include "KVShell.h"

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
  bool Execute(const QString& Program, const QString& Params) override {
    Calls << "run " + Program + " | " + Params;
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
                         R"(run C:\Browser\browse.exe | -nohome http://example.com/)"}));
  EXPECT_TRUE(Box.Shown.isEmpty());
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
  EXPECT_TRUE(SendMail("Write to mailto:x@y.z"));
  EXPECT_EQ(Shell.Calls,
            (QStringList{"open mailto:player@example.com", "open mailto:player@example.com",
                         "open Write to mailto:x@y.z"}));
}

TEST_F(KVUtilsTest, SendMailFallsBackToTheMailtoCommandAndReportsFailure) {
  Shell.LinkOpens = false;
  Shell.Commands["mailto"] = "mailer -compose %u";
  EXPECT_TRUE(SendMail("a@b.c"));
  EXPECT_EQ(Shell.Calls.mid(1),
            (QStringList{"lookup mailto", "run mailer | -compose mailto:a@b.c"}));
  Shell.Commands.clear();
  EXPECT_FALSE(SendMail("a@b.c"));
  EXPECT_EQ(
      Box.Shown,
      QStringList{"Default mail program not found / Unable to send mail to mailto:a@b.c / 0"});
}

TEST_F(KVUtilsTest, MessageBoxCaptionDefaultsToTheApplicationTitle) {
  QGuiApplication::setApplicationDisplayName("Kovalent Tesselo 2.05");
  Box.Answer = IDNO;
  EXPECT_EQ(ShowMessageBox("Text"), IDNO);
  EXPECT_EQ(ShowMessageBox("Sure?", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(Box.Shown, (QStringList{"Kovalent Tesselo 2.05 / Text / 0", "Question / Sure? / 36"}));
}

TEST(KVDesktopShell, ExecuteReportsWhetherTheProgramStarted) {
  TKVDesktopShell shell;
  EXPECT_FALSE(shell.Execute("", "x"));
  EXPECT_FALSE(shell.Execute("/nonexistent/tesselo-browser", "http://example.com/"));
  EXPECT_TRUE(shell.Execute("/bin/true", "--ignored 'two words'"));
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
