// The activity-pattern pages: where the person is in each hour of the day of use and of the
// days after use, with the room, start hour and volumes of the day of use.
#pragma once

#include <QComboBox>
#include <array>

#include "consumer/pages/input_page.h"

namespace consumer {

// 24 lists of the seven locations, hour h (1..24) in list h - 1.
class HourLists {
  public:
    void Build(TInputPage* page, QGridLayout* layout, int firstRow);
    QComboBox* Hour(int h) const { return lists_.at(static_cast<size_t>(h - 1)); }
    int Location(int h) const { return Hour(h)->currentIndex() + 1; }
    // Sets the list without running its change action.
    void SetLocation(int h, int location) const;
    void Show(const std::string& pattern) const;
    void Store(std::string& pattern) const;

  private:
    std::array<QComboBox*, 24> lists_{};
};

class TUserAct : public TInputPage {
    Q_OBJECT
  public:
    explicit TUserAct(QWidget* parent = nullptr);
    void SetupWindow() override;
    void StoreStep() override;

    const HourLists& Hours() const { return hours_; }
    QComboBox* RoomList() const { return room_; }
    QComboBox* StartList() const { return start_; }
    int UseHours() const { return useHours_; }

    void HourChanged();
    void StartChanged();
    void RoomChanged();

  protected:
    void PageButtonClick(int id) override;

  private:
    bool ChecksUseHours() const;
    // The last hour of a use period starting at start: the period stops at midnight.
    int LastUseHour(int start) const;
    void MoveUsePeriod();
    void SetRoom(int room);

    HourLists hours_;
    QComboBox* room_ = nullptr;
    QComboBox* start_ = nullptr;
    int useHours_ = 0;
    int previousStart_ = 0;
    bool settingUp_ = false;
};

class TNUserAct : public TInputPage {
    Q_OBJECT
  public:
    explicit TNUserAct(QWidget* parent = nullptr);
    void SetupWindow() override;
    void StoreStep() override;
    const HourLists& Hours() const { return hours_; }

  protected:
    void PageButtonClick(int id) override;

  private:
    HourLists hours_;
};

// The default zone-1 volume (m3) of a room of use 1..6.
double DefaultZoneVolume(int room);

}  // namespace consumer
