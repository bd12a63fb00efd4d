#include "report/RunReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

// The chart is painted by a companion program beside this one, so that the
// list and the totals load Qt Core only and start quickly.
int RunChartProgram(char *argv[])
{
    const QString program = QCoreApplication::applicationDirPath() + QDir::separator() +
                            QStringLiteral("zitklok-report-chart");
    const QByteArray path = QFile::encodeName(program);
    argv[0] = const_cast<char *>(path.constData());
    ::execv(path.constData(), argv);
    std::fprintf(stderr, "zitklok-report: cannot start \"%s\": %s\n", path.constData(),
                 std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "chart") == 0)
        return RunChartProgram(argv);
    return zk::report::RunReportOnConsole();
}
