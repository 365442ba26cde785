#include "reference_window.h"

#include "engine/excuse_engine.h"

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

QWidget* buildReferenceWindow() {
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("Reference"));
    window->setWindowTitle(QStringLiteral("Reference"));
    window->setFixedSize(514, 342);
    // The same faces as the program's design, named directly.
    window->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    auto place = [](QWidget* widget, int x, int y, int w, int h) {
        widget->setGeometry(x, y, w, h);
    };
    place(new QPushButton(QStringLiteral("Quit"), window), 480, 328, 41, 17);
    place(new QPushButton(QStringLiteral("About"), window), 480, 312, 41, 17);
    new QTimer(window);
    place(new QPushButton(QStringLiteral("Calculate an Excuse!"), window), 104, 80, 305, 33);
    const int lefts[] = {0, 128, 264, 400};
    const int widths[] = {121, 129, 129, 129};
    const auto& lists = engine::wordLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        auto* list = new QListWidget(window);
        for (const auto word : lists[i].words) {
            list->addItem(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
        }
        place(list, lefts[i], 136, widths[i], 121);
    }
    place(new QCheckBox(QStringLiteral("Fast Refesh"), window), 392, 320, 89, 17);
    for (const int y : {128, 312, 272}) {
        auto* line = new QFrame(window);
        line->setFrameShape(QFrame::HLine);
        place(line, 0, y, 512, 1);
    }
    place(new QLabel(QStringLiteral("Visit the Original VORN Website"), window), 176, 328, 153, 17);
    auto* title = new QLabel(QStringLiteral("Random Pretextor"), window);
    title->setFont(QFont(QStringLiteral("IPAMincho"), 20, QFont::Bold));
    place(title, 64, 32, 401, 41);
    auto* series = new QLabel(QStringLiteral("Vexing Overlord of Ruined Networks"), window);
    series->setFont(QFont(QStringLiteral("Blankenburg_UNZ1A"), 22, QFont::Bold));
    place(series, 72, 0, 377, 41);
    auto* bar = new QFrame(window);
    bar->hide();
    for (const auto* text : {"Button", "Press", "Button", "Press"}) {
        auto* excuse = new QLabel(QString::fromLatin1(text), window);
        excuse->setFont(QFont(QStringLiteral("Liberation Sans"), 13));
        place(excuse, 0, 280, 129, 25);
    }
    auto* frame = new QFrame(window);
    frame->hide();
    return window;
}
