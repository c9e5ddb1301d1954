// Runs a fuzz target once on every file in the folders named on the command line, without
// libFuzzer, so the seed corpus and the saved crash inputs are checked by every test run.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QFile::decodeName(argv[i]));
        if (!folder.exists()) {
            // A target without saved crash inputs has no regressions folder.
            std::fprintf(stderr, "no folder %s, nothing replayed from it\n", argv[i]);
            continue;
        }
        for (const QFileInfo& entry :
             folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
            QFile file(entry.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(entry.filePath()));
                return 2;
            }
            const QByteArray bytes = file.readAll();
            // Named first, so the log shows which input a crash belongs to.
            std::fprintf(stderr, "%s\n", qPrintable(entry.filePath()));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 2;
}
