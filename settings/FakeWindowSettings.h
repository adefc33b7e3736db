#pragma once
// A WindowSettings that keeps its settings in memory, as the text the real one
// stores, and records every call. Its state is shared, so a test can hand a
// factory to the window under test and still read what the window did after
// the window (and its helper) are gone.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "settings/SettingText.h"
#include "settings/WindowSettings.h"
#include "testing/CallLog.h"
#include "testing/WideText.h"

namespace testing_support {

class FakeWindowSettings : public settings::WindowSettings {
 public:
  struct State {
    CallLog log;
    // (application, section, key) -> stored text.
    std::map<std::tuple<std::wstring, std::wstring, std::wstring>, std::wstring> values;
    settings::WindowHandle window = 0;
    bool topMost = false;
    int helpersMade = 0;

    std::optional<std::wstring> Text(const std::wstring& app, const std::wstring& section,
                                     const std::wstring& key) const {
      const auto found = values.find({app, section, key});
      if (found == values.end()) return std::nullopt;
      return found->second;
    }
    void SetText(const std::wstring& app, const std::wstring& section, const std::wstring& key,
                 const std::wstring& text) {
      values[{app, section, key}] = text;
    }
  };

  explicit FakeWindowSettings(std::shared_ptr<State> state = std::make_shared<State>())
      : state_(std::move(state)) {}

  State& state() { return *state_; }

  // A factory making helpers that all share one state.
  static settings::WindowSettingsFactory Factory(std::shared_ptr<State> state) {
    return [state] {
      ++state->helpersMade;
      return std::make_unique<FakeWindowSettings>(state);
    };
  }

  void Attach(settings::WindowHandle window, const std::wstring& formName) override {
    state_->log.Add("Attach", Utf8(formName));
    state_->window = window;
    section_ = formName;
  }
  void AppName(const std::wstring& name) override {
    state_->log.Add("AppName", Utf8(name));
    app_ = name;
  }
  void AlwaysOnTop(bool on) override {
    state_->log.Add("AlwaysOnTop", on ? 1 : 0);
    state_->topMost = on;
  }

  std::int16_t ReadSetting(const std::wstring& key, std::int16_t def) override {
    state_->log.Add("ReadSetting", Utf8(key), def);
    const auto text = state_->Text(app_, section_, key);
    if (!text) return def;
    return settings::TextToInt16(*text).value_or(def);
  }
  bool ReadSetting(const std::wstring& key, bool def) override {
    state_->log.Add("ReadSetting", Utf8(key), def ? "True" : "False");
    const auto text = state_->Text(app_, section_, key);
    if (!text) return def;
    return settings::TextToBool(*text).value_or(def);
  }
  void WriteSetting(const std::wstring& key, std::int16_t value) override {
    state_->log.Add("WriteSetting", Utf8(key), value);
    state_->SetText(app_, section_, key, settings::Int16ToText(value));
  }
  void WriteSetting(const std::wstring& key, bool value) override {
    state_->log.Add("WriteSetting", Utf8(key), value ? "True" : "False");
    state_->SetText(app_, section_, key, settings::BoolToText(value));
  }

 private:
  std::shared_ptr<State> state_;
  std::wstring app_;
  std::wstring section_;
};

}  // namespace testing_support
