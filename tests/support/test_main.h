#pragma once

// The entry point of every test program: the web engine's set-up, then Qt Test.

#include "platform/real/engine_setup.h"

#include <QApplication>
#include <QTest>

#define BRIVOLA_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        EngineSetup::configure();                                                                  \
        QApplication application(argc, argv);                                                      \
        EngineSetup::chooseCompositing();                                                          \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
