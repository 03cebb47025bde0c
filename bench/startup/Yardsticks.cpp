// SPDX-License-Identifier: MIT
// What the parts of a first frame cost on their own, beside the bare window: the same window with
// one line of Chinese text drawn from the game's Song face ("text"), and with that and two report
// lists of five rows ("lists") or twelve push buttons ("buttons"). The modes add up ("text+lists").
// bench/yardsticks.sh prints each one's peak resident memory.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QWidget window;
    window.setWindowTitle(QStringLiteral("yardstick"));
    window.setFixedSize(514, 327);
    if (mode.contains(QLatin1String("text"))) {
        const int face = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1]));
        QFont font(QFontDatabase::applicationFontFamilies(face).value(0));
        font.setPixelSize(12);
        window.setFont(font);
        auto* label = new QLabel(QStringLiteral("姓名：现金：欠款：健康：存款：路人甲"), &window);
        label->setGeometry(10, 10, 300, 20);
    }
    if (mode.contains(QLatin1String("lists"))) {
        for (int t = 0; t < 2; ++t) {
            auto* list = new QTreeWidget(&window);
            list->setGeometry(10 + t * 200, 40, 186, 121);
            list->setHeaderLabels({QStringLiteral("商品名称"), QStringLiteral("价格")});
            list->setRootIsDecorated(false);
            for (int i = 0; i < 5; ++i) {
                new QTreeWidgetItem(list,
                                    {QStringLiteral("走私进口汽车"), QString::number(100 * i)});
            }
        }
    }
    if (mode.contains(QLatin1String("buttons"))) {
        for (int i = 0; i < 12; ++i) {
            auto* button = new QPushButton(QStringLiteral("火车站"), &window);
            button->setGeometry(10 + (i % 6) * 60, 200 + (i / 6) * 30, 49, 17);
        }
    }
    window.show();
    return QApplication::exec();
}
