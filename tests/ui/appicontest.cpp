#include "ui/appicon.h"

#include <QTest>

using namespace Qt::StringLiterals;

class AppIconTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldDrawEveryThemeSizeFromTheBuiltInPictures_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%dpx", size) << size;
    }

    void shouldDrawEveryThemeSizeFromTheBuiltInPictures()
    {
        QFETCH(int, size);
        const QIcon icon = vm280::ApplicationIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The radio's body fills the middle; a missing picture would come back empty.
        QVERIFY(qAlpha(image.pixel(size / 2, size * 3 / 4)) > 200);
    }
};

QTEST_MAIN(AppIconTest)
#include "appicontest.moc"
