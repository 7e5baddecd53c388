// The calculations' fixture: a known release in a fresh record.
#include "calc_fixture.h"

#include "scenario/case_choices.h"

void CalcTest::SetUp() {
    CurrentPmn = pmn_record{};
    HealthFlags = "111";
    SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 1;
    mainPage_ = std::make_unique<TScrMain>();
    AskAddAdc(true);
    pmn_record& r = CurrentPmn;
    r.H2O_HI = 2;
    r.WWT_LOW = 50;
    r.SITE_LO = 3;
    r.SITE_HI = 2;
    r.H2ODAYHI = 250;
    r.DWT = 20;
    r.DRINK = 2;
    r.DRINKCHRON = 1.4;
    r.FISH = 30;
    r.FISHCHRON = 6;
    r.BCF = 50;
    r.BW = 70;
    r.EXPDURCAN = 30;
    r.EXPDURNCAN = 9;
    r.CANCERAT = 70;
    r.NCANCERAT = 9;
}

void CalcTest::TearDown() {
    mainPage_.reset();
    CurrentPmn = pmn_record{};
    HealthFlags = "111";
    SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 0;
}

void CalcTest::AskAddAdc(bool asked) {
    (asked ? mainPage_->YesAdd : mainPage_->NoAdd)->setChecked(true);
}
