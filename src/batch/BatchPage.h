#pragma once
// The main window's page " 宏 调试  ": memory read and write batches.
#include <QWidget>

#include "app/Ambrelin.h"

QWidget* NewBatchPage(Ambrelin&);
