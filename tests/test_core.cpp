#include "TestMain.h"
#include "../core/CreditsScroller.h"
#include "../core/HeaderInspection.h"
#include "../core/LaunchCommand.h"

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { QCOMPARE(PictureName("tetris.gb"), std::string("tetris.bmp")); }
};

VEXA_TEST_MAIN(TestCore)
#include "test_core.moc"
