// The activity-pattern pages: the day of use and the days after use, hour by hour.
#include "consumer/pages/activity_pages.h"

#include <cmath>

#include "consumer/model/case_state.h"
#include "consumer/model/result_format.h"
#include "consumer/model/use_day_pattern.h"
#include "consumer/pages/kiv_state.h"
#include "platform/forms/ui_service.h"

namespace consumer {
namespace {

const char* const kLocations[] = {"1. Bedroom",      "2. Kitchen", "3. Bathroom", "4. Living Room",
                                  "5. Utility Room", "6. Car",     "7. Out"};
constexpr int kOut = 7;
constexpr int kCar = 6;

const int kDefaultAdultDay[24] = {1, 1, 1, 1, 1, 1, 2, 3, 1, 5, 4, 2,
                                  4, 6, 7, 4, 2, 2, 7, 4, 4, 4, 1, 1};
const double kZoneVolumes[6] = {36, 36, 18, 48, 36, 2.4};

std::string HourLabel(int h) {
    if (h == 12)
        return "12:00 NOON";
    if (h == 24)
        return "12:00 Midnight";
    return std::to_string(h % 12) + ":00 " + (h < 12 ? "AM" : "PM");
}

std::string StartLabel(int h) {
    if (h == 9)
        return "9:00am";
    if (h == 12)
        return "12:00 noon";
    if (h == 24)
        return "12:00 midnight";
    return std::to_string(h % 12) + ":00 " + (h < 12 ? "am" : "pm");
}

void EnsurePatternLength(std::string& pattern) {
    if (pattern.size() < 25)
        pattern.resize(25, '1');
}

bool IsAdultTimedUse(const ExposureInputs& in) {
    return in.AgeGroup == 1 && in.ScenarioKeyword != "placedenvironment";
}

}  // namespace

double DefaultZoneVolume(int room) {
    return room >= 1 && room <= 6 ? kZoneVolumes[room - 1] : 0.0;
}

void HourLists::Build(TInputPage* page, QGridLayout* layout, int firstRow) {
    for (int h = 1; h <= 24; ++h) {
        auto* list = new QComboBox(page);
        for (const char* location : kLocations)
            list->addItem(location);
        int column = (h - 1) / 12;
        int row = firstRow + (h - 1) % 12;
        layout->addWidget(new forms::TLabel(HourLabel(h), page), row, column * 2);
        layout->addWidget(list, row, column * 2 + 1);
        lists_[static_cast<size_t>(h - 1)] = list;
    }
}

void HourLists::SetLocation(int h, int location) const {
    QComboBox* list = Hour(h);
    list->blockSignals(true);
    list->setCurrentIndex(location - 1);
    list->blockSignals(false);
}

void HourLists::Show(const std::string& pattern) const {
    for (int h = 1; h <= 24; ++h) {
        int digit =
            static_cast<size_t>(h) < pattern.size() ? pattern[static_cast<size_t>(h)] - '0' : 1;
        SetLocation(h, digit >= 1 && digit <= 7 ? digit : 1);
    }
}

void HourLists::Store(std::string& pattern) const {
    EnsurePatternLength(pattern);
    for (int h = 1; h <= 24; ++h)
        pattern[static_cast<size_t>(h)] = static_cast<char>('0' + Location(h));
}

TUserAct::TUserAct(QWidget* parent) : TInputPage("Day of Use Data", 10, parent) {
    OmitButton(105);
    AddLabel(0, 0, "Scenario:", 4)->setObjectName("scenario");
    hours_.Build(this, Body(), 1);
    for (int h = 1; h <= 24; ++h) {
        connect(hours_.Hour(h), &QComboBox::currentIndexChanged, this, [this] {
            if (!settingUp_)
                HourChanged();
        });
    }
    AddLabel(13, 0, "Room of Use");
    room_ = new QComboBox(this);
    for (int i = 0; i < 6; ++i)
        room_->addItem(kLocations[i]);
    Body()->addWidget(room_, 13, 1);
    AddLabel(13, 2, "Start Time");
    start_ = new QComboBox(this);
    for (int h = 1; h <= 24; ++h)
        start_->addItem(QString::fromStdString(StartLabel(h)));
    Body()->addWidget(start_, 13, 3);
    connect(room_, &QComboBox::currentIndexChanged, this, [this] {
        if (!settingUp_)
            RoomChanged();
    });
    connect(start_, &QComboBox::currentIndexChanged, this, [this] {
        if (!settingUp_)
            StartChanged();
    });
    AddLabel(14, 0, "Zone 1 Volume");
    auto* zone = new NumberEdit(this);
    Body()->addWidget(zone, 14, 1);
    AddLabel(14, 2, "Whole House Volume");
    auto* house = new NumberEdit(this);
    Body()->addWidget(house, 14, 3);
    zone->setObjectName("edit129");
    house->setObjectName("edit130");
    AddLabel(15, 0,
             "Note: Except for the Solid Air Freshener scenario, the user must be in the Room of "
             "Use for the selected Duration of Use.",
             4)
        ->setWordWrap(true);
    AddLabel(16, 0, "Note: Day of Use data is only applicable for the inhalation model.", 4);
}

void TUserAct::SetupWindow() {
    TInputPage::SetupWindow();
    settingUp_ = true;
    ExposureInputs& in = *CaseInputs;
    findChild<forms::TLabel*>("scenario")->SetText("Scenario: " + in.ScenarioName);
    if (in.ROOMOFUSE == 0) {
        in.ROOMOFUSE = kCar;
        in.ZONE1VOL = 2.4;
        in.STARTTIME = 12;
        in.AIREXRATE = 12.5;
    }
    findChild<NumberEdit*>("edit129")->ShowNumber(in.ZONE1VOL);
    findChild<NumberEdit*>("edit130")->ShowNumber(in.HOUSEVOL);
    useHours_ = UseHoursOf(in.DurationHighEnd);
    // Every age group sees the pattern this page stores.
    hours_.Show(in.ActivityPattern);
    room_->setCurrentIndex(in.ROOMOFUSE >= 1 && in.ROOMOFUSE <= 6 ? in.ROOMOFUSE - 1 : 0);
    start_->setCurrentIndex(in.STARTTIME >= 1 && in.STARTTIME <= 24 ? in.STARTTIME - 1 : 11);
    previousStart_ = in.STARTTIME;
    settingUp_ = false;
    EnablePathwayButtons();
    PageCode = '9';
}

bool TUserAct::ChecksUseHours() const {
    return IsAdultTimedUse(*CaseInputs);
}

int TUserAct::LastUseHour(int start) const {
    return std::min(start + useHours_ - 1, 24);
}

void TUserAct::HourChanged() {
    if (!ChecksUseHours())
        return;
    int start = start_->currentIndex() + 1;
    int room = room_->currentIndex() + 1;
    int changedHour = 0;
    for (int h = start; h <= LastUseHour(start); ++h) {
        if (hours_.Location(h) != room)
            changedHour = h;
    }
    if (changedHour == 0)
        return;
    int location = hours_.Location(changedHour);
    if (location == kOut) {
        forms::ShowMessage("You can not be out of the Room of Use at this time.", "Error",
                           forms::Icon::Error);
        hours_.SetLocation(changedHour, room);
        return;
    }
    int answer = forms::Ui().MessageBox(
        "You have changed a User Location for a time period when the User\nshould be in the Room "
        "of Use. If you continue, the Room of Use will\nbe changed. Do you wish to continue?",
        "Error", forms::Buttons::YesNo, forms::Icon::Question);
    if (answer != forms::mrYes) {
        hours_.SetLocation(changedHour, room);
        return;
    }
    for (int h = start; h <= LastUseHour(start); ++h)
        hours_.SetLocation(h, location);
    SetRoom(hours_.Location(start));
    RoomChanged();
}

void TUserAct::SetRoom(int room) {
    room_->blockSignals(true);
    room_->setCurrentIndex(room - 1);
    room_->blockSignals(false);
}

// The hours of the old period go back to the default day; the new period is in the room.
void TUserAct::MoveUsePeriod() {
    if (!ChecksUseHours())
        return;
    for (int h = std::max(previousStart_, 1); h <= LastUseHour(previousStart_); ++h)
        hours_.SetLocation(h, kDefaultAdultDay[h - 1]);
    int start = start_->currentIndex() + 1;
    previousStart_ = start;
    int room = room_->currentIndex() + 1;
    for (int h = start; h <= LastUseHour(start); ++h)
        hours_.SetLocation(h, room);
}

void TUserAct::StartChanged() {
    MoveUsePeriod();
}

// A new room brings its own air exchange rate and, if wanted, its zone-1 volume; a new start
// hour alone changes neither.
void TUserAct::RoomChanged() {
    MoveUsePeriod();
    auto* zone = findChild<NumberEdit*>("edit129");
    int room = room_->currentIndex() + 1;
    CaseInputs->AIREXRATE = room == kCar ? 12.5 : 0.45;
    double volume = DefaultZoneVolume(room);
    if (zone->Number() == volume)
        return;
    int answer = forms::Ui().MessageBox(
        "You have changed the Room of Use.\nDo you wish to use the default\nZone 1 volume for "
        "this Room of use?",
        "Message", forms::Buttons::YesNo, forms::Icon::Question);
    if (answer == forms::mrYes)
        zone->SetText(EditNumberText(volume));
}

void TUserAct::StoreStep() {
    ExposureInputs& in = *CaseInputs;
    hours_.Store(in.ActivityPattern);
    in.ROOMOFUSE = room_->currentIndex() + 1;
    findChild<NumberEdit*>("edit130")->StoreNumber(in.HOUSEVOL);
    in.STARTTIME = start_->currentIndex() + 1;
    findChild<NumberEdit*>("edit129")->StoreNumber(in.ZONE1VOL);
}

void TUserAct::PageButtonClick(int id) {
    FollowPageButton(id);
}

TNUserAct::TNUserAct(QWidget* parent) : TInputPage("Day After Use Data", 11, parent) {
    OmitButton(106);
    PageButton(107)->setText("PChem Properties");
    AddLabel(0, 0, "Scenario:", 4)->setObjectName("scenario");
    hours_.Build(this, Body(), 1);
    AddLabel(13, 0, "Note: Day After Use data is only applicable for the inhalation model.", 4);
}

void TNUserAct::SetupWindow() {
    TInputPage::SetupWindow();
    findChild<forms::TLabel*>("scenario")->SetText("Scenario: " + CaseInputs->ScenarioName);
    hours_.Show(CaseInputs->NonUseDayPattern);
    EnablePathwayButtons();
    PageCode = '9';
}

void TNUserAct::StoreStep() {
    hours_.Store(CaseInputs->NonUseDayPattern);
}

void TNUserAct::PageButtonClick(int id) {
    FollowPageButton(id);
}

}  // namespace consumer
