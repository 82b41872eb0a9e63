// Draws the about window's miniature: the main window as the program shows it at start,
// scaled to 133 x 94 and saved as a 24-bit BMP. Usage: ledgora-draw-miniature FILE.bmp
#include "app/Application.h"
#include "app/Startup.h"
#include "app/Unit1.h"

#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: ledgora-draw-miniature FILE.bmp\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ledgora::Application app(argv[0]);
    auto windows = ledgora::createWindows();
    TForm1& form = *windows->Form1;
    form.show();
    const QImage miniature = form.grab()
                                 .toImage()
                                 .scaled(133, 94, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB888);
    if (!miniature.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "ledgora-draw-miniature: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
