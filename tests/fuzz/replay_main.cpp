// Replays saved fuzz inputs through a target's entry point with the normal compiler, so that
// every input once found keeps being checked: replay DIR_OR_FILE...

#include "fuzz_check.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

QStringList InputsOf(const QString& path) {
    if (!QFileInfo(path).isDir())
        return {path};
    QStringList files;
    for (const QFileInfo& info : QDir(path).entryInfoList(QDir::Files, QDir::Name))
        files << info.filePath();
    return files;
}

} // namespace

int main(int argc, char* argv[]) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QString& file : InputsOf(QString::fromLocal8Bit(argv[i]))) {
            QFile input(file);
            if (!input.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
                return 1;
            }
            const QByteArray bytes = input.readAll();
            std::printf("%s\n", qPrintable(file));
            std::fflush(stdout); // names the input that aborts
            LLVMFuzzerTestOneInput(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                   std::size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
