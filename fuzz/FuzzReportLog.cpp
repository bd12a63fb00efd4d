// actions.dat as the household report reads it: any bytes, listed and totalled
// through the report's whole command. A readable file is always reported
// (exit code 0, or 3 when its length is not whole records) and is never changed.

#include "ScratchFolder.h"

#include "report/RunReport.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Report(const QStringList &args, std::size_t size)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int rc = zk::report::RunReport(args, outStream, errStream);
    if (rc != (size % 148 == 0 ? 0 : 3))
        zk::fuzz::Fail("report " + args.join(' ').toStdString() + " gave " + std::to_string(rc) +
                       ": " + err.toStdString());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static zk::fuzz::ScratchFolder folder("report");
    const std::string path = folder.File("actions.dat");
    zk::fuzz::WriteBytes(path, data, size);
    const QString file = QString::fromStdString(path);

    Report({"list", file}, size);
    Report({"totals", "--users", "Jan,Piet,Idle", file}, size);
    Report({"totals", "--csv", "--users", "Jan", "--from", "2001-12-31", "--to", "2004-03-01",
            file},
           size);

    if (zk::fuzz::ReadBytes(path) != std::string(reinterpret_cast<const char *>(data), size))
        zk::fuzz::Fail("the report changed the log");
    return 0;
}
