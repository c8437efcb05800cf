// Whether the channel database holds edits that no file has received yet. The editors report
// every finished change here; a successful save, open or load clears it.
#pragma once

#include <string>

#include "editing/ChangeSink.h"

class DatabaseChanges : public zev::ChangeSink {
  public:
    void DatabaseChanged(const std::string& description) override {
        changed_ = true;
        lastChange_ = description;
    }
    bool Changed() const { return changed_; }
    // The description of the latest change, e.g. "Delete 3 Channels".
    const std::string& LastChange() const { return lastChange_; }
    void Clear() {
        changed_ = false;
        lastChange_.clear();
    }

  private:
    bool changed_ = false;
    std::string lastChange_;
};
