#pragma once
// The production station: a tile a fixture, each fixture burned by its own
// `ambrelin-cli burn --machine` process, one image and target for them all.
#include <QWidget>
#include <string>

#include "app/Ambrelin.h"

// `cli` is the ambrelin-cli program the fixtures run.
QWidget* NewStationForm(Ambrelin&, const std::string& cli);
// The ambrelin-cli installed beside this program, else the one on the PATH.
std::string CliBesideProgram();
