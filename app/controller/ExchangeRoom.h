#pragma once

#include "AppContext.h"

#include <QString>

class CZelkController;

// Exchange with other programs: importing models and exporting pictures and files.
class ExchangeRoom {
public:
    ExchangeRoom(CZelkController& controller, AppContext& context);
    ExchangeRoom(const ExchangeRoom&) = delete;
    ExchangeRoom& operator=(const ExchangeRoom&) = delete;

    void ImportFigure();
    void ExportFigure();

private:
    CZelkController& controller_;
    AppContext& context_;
};
