#pragma once

#include <QtTest>
#include <QtWidgets>

#include "evaluation/frmEval.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

namespace orv::testing {

// Three questions on two scales, one of them reverse.
inline const QByteArray kThreeQuestions =
    "3\t.Copyright notice\r\n"
    "1\tpunctual\t0\t2\t.I am always on time.\r\n"
    "2\tcalm\t0\t2-\t.I lose my temper easily.\r\n"
    "3\treliable\t0\t3\t.People can count on me.\r\n";

// Takes test `testno` on kThreeQuestions, every answer `answer`; the
// evaluation window.
inline frmEval* TakeTest(frmTestMain& main, int testno, int answer) {
    const ProgramFolderFile file(QStringLiteral("orv%1.dll").arg(testno), kThreeQuestions);
    main.Option1[testno]->click();
    main.cmdStart->click();
    frmTest& test = main.TestWindow();
    while (test.IsLoaded()) {
        test.controls()->Option1[answer]->click();
        test.controls()->cmdProcess->click();
    }
    return test.EvaluationWindow();
}

// The window just opened, once it is the active one.
template <typename Window>
Window* Newest() {
    (void)QTest::qWaitFor([] { return qobject_cast<Window*>(QApplication::activeWindow()); });
    return qobject_cast<Window*>(QApplication::activeWindow());
}

}  // namespace orv::testing
