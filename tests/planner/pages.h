#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// The test classes of the planner's session and pages, one to a file.
std::unique_ptr<QObject> makeSessionTest();
std::unique_ptr<QObject> makeEquipmentPageTest();
std::unique_ptr<QObject> makeObjectPageTest();
std::unique_ptr<QObject> makeFramingPageTest();
std::unique_ptr<QObject> makeNightPageTest();
std::unique_ptr<QObject> makeTonightPageTest();
std::unique_ptr<QObject> makeExposurePageTest();

inline std::vector<std::function<std::unique_ptr<QObject>()>> pageTests()
{
    return {makeSessionTest, makeEquipmentPageTest, makeObjectPageTest, makeFramingPageTest, makeNightPageTest,
        makeTonightPageTest, makeExposurePageTest};
}
