#include "common/core/PrintLine.h"

#include <QTest>

#include <cstdio>
#include <io.h>
#include <windows.h>

using namespace Qt::StringLiterals;

// A Windows console shows a line as written, whatever its code page; this program's own console is
// one, beside the pipe that ctest reads.
class ConsoleTest : public QObject
{
    Q_OBJECT

private slots:
    void lineShowsAsWrittenInAnyCodePage()
    {
        const QString text = u"Notes für später — ok"_s;
        AllocConsole(); // fails harmlessly where this program has one already
        QVERIFY(SetConsoleOutputCP(437));
        const int pipe = _dup(_fileno(stdout));
        QVERIFY(std::freopen("CONOUT$", "w", stdout)); // as attachToParentConsole does
        printLine(text);
        QVERIFY(_dup2(pipe, _fileno(stdout)) == 0);

        const HANDLE screen =
            CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        CONSOLE_SCREEN_BUFFER_INFO info;
        QVERIFY(GetConsoleScreenBufferInfo(screen, &info) && info.dwCursorPosition.Y > 0);
        QString shown(text.size(), QChar());
        DWORD read = 0;
        QVERIFY(ReadConsoleOutputCharacterW(screen, reinterpret_cast<wchar_t *>(shown.data()),
                                            DWORD(shown.size()),
                                            COORD{0, SHORT(info.dwCursorPosition.Y - 1)}, &read));
        CloseHandle(screen);
        QCOMPARE(shown, text);
    }
};

QTEST_GUILESS_MAIN(ConsoleTest)

#include "tst_console.moc"
