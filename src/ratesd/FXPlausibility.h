#pragma once

#include "FXRateMap.h"

#include <QDate>
#include <QList>
#include <QMap>

// A rate that a source gives but that is not served yet, because it is too far from the served
// one and no other source agrees with it.
struct FXHeldRate {
    double fromBase = 0.0;   // what the source gives
    QDate firstSeen;         // the data day it first came on
    QDateTime lastSeen;      // the date of the latest answer that repeated it
    int days = 0;            // how many answers of different data days in a row gave it
    bool operator==(const FXHeldRate &) const = default;
};
using FXHeldRates = QMap<QString, FXHeldRate>;

// What one answer of a source puts in force: the rates it serves, and those it holds back.
struct FXScreenedRates {
    FXRateMap accepted;
    FXHeldRates held;
};

// Keeps a source's error from reaching the clients: a rate more than `factor` away from the one
// served is held back, and the source keeps serving its previous rate of that currency (or none,
// so that the table falls back on another source or the base). It goes through at once when
// another source gives it within `tolerance`, or when the source itself repeats it within the
// tolerance on `releaseDays` answers of different data days in a row: a real devaluation then
// reaches the clients within days, a one-off error never.
//
// The factor is 2: every error of the recorded upstream answers is off by more than 3 (the API's
// WST of 0.842 against 2.77, its VND of 6284 against about 25,000, ERN 0.842 against 15), while
// real one-day moves outside a redenomination stay below it (the Egyptian pound lost 38 % in
// March 2024, the naira 40 % in June 2023). The few larger ones (the Argentine peso's 54 % in
// December 2023, the Lebanese pound's tenfold official step of 2023) wait three days.
namespace FXPlausibility {

constexpr double factor = 2.0;
constexpr double tolerance = 1.05;
constexpr int releaseDays = 3;

// Whether two rates from the dollar are within `ratio` of each other.
bool agree(double a, double b, double ratio = tolerance);

// What `answer` puts in force for a source that served `previous` and held `held`, against the
// `served` table and what the `others` sources give. `trusted` sources (the central bank) skip the
// factor: they are accepted whole.
FXScreenedRates screen(const FXDatedRates &answer, const FXRateMap &previous, const FXHeldRates &held,
                       const FXRateMap &served, const QList<FXRateMap> &others, bool trusted);

}
