// Times `ventrix-cli init` on an existing database: the built tool is started as a separate
// process each round, as a user would run it, so the figure includes process start-up.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString findTool()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
        { here.filePath(QStringLiteral("../cli/ventrix-cli")), here.filePath(QStringLiteral("ventrix-cli")) })
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    return {};
}

bool runInit(const QString& tool, const QString& data)
{
    QProcess p;
    p.start(tool, { QStringLiteral("--data-dir"), data, QStringLiteral("init") });
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString tool = findTool();
    if (tool.isEmpty()) {
        std::fprintf(stderr, "ventrix-cli not found next to the benchmark (build it first)\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("datos"));
    QElapsedTimer create;
    create.start();
    if (!runInit(tool, data)) {
        std::fprintf(stderr, "init failed creating the database\n");
        return 1;
    }
    const double createMs = static_cast<double>(create.nsecsElapsed()) / 1e6;
    constexpr int Rounds = 30;
    std::vector<double> times;
    for (int i = 0; i < Rounds; ++i) {
        QElapsedTimer t;
        t.start();
        if (!runInit(tool, data)) {
            std::fprintf(stderr, "init failed on the existing database\n");
            return 1;
        }
        times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("ventrix-cli init, new database (one run):        %8.1f ms\n", createMs);
    std::printf("ventrix-cli init, existing database (median of %d): %8.1f ms  (min %.1f, max %.1f; target < "
                "100 ms)\n",
        Rounds, times[times.size() / 2], times.front(), times.back());
    return 0;
}
