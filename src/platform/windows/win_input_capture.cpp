// Recording on Windows: keys through raw input, delivered to a hidden
// message-only window even while another program has the focus
// (RIDEV_INPUTSINK); buttons through a low-level mouse hook on a thread of
// its own, whose calls are posted to that window. Both reach the recording
// through the window thread's message loop, one at a time and in order.
#include <windows.h>

#include <atomic>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "platform/input_capture.h"

namespace orvane::platform {

namespace {

constexpr UINT kCapturedButton = WM_APP + 0x31;
constexpr const char* kWindowClass = "OrvaneInputCapture";

// The window the hook posts to: one recording at a time.
std::atomic<HWND> g_hook_target{nullptr};

struct Button {
  CapturedInput::Kind kind;
  int code;  // 0 left, 1 right, 2 middle, 3 forward, 4 backward
};

bool ButtonOf(WPARAM message, DWORD mouse_data, Button& button) {
  using Kind = CapturedInput::Kind;
  const int x_button = HIWORD(mouse_data) == XBUTTON2 ? 3 : 4;
  switch (message) {
    case WM_LBUTTONDOWN: button = {Kind::kButtonDown, 0}; return true;
    case WM_LBUTTONUP: button = {Kind::kButtonUp, 0}; return true;
    case WM_RBUTTONDOWN: button = {Kind::kButtonDown, 1}; return true;
    case WM_RBUTTONUP: button = {Kind::kButtonUp, 1}; return true;
    case WM_MBUTTONDOWN: button = {Kind::kButtonDown, 2}; return true;
    case WM_MBUTTONUP: button = {Kind::kButtonUp, 2}; return true;
    case WM_XBUTTONDOWN: button = {Kind::kButtonDown, x_button}; return true;
    case WM_XBUTTONUP: button = {Kind::kButtonUp, x_button}; return true;
    default: return false;
  }
}

LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM data) {
  const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
  Button button{};
  const HWND target = g_hook_target.load();
  if (code == HC_ACTION && target != nullptr && ButtonOf(message, event->mouseData, button)) {
    PostMessageA(target, kCapturedButton,
                 MAKEWPARAM(static_cast<WORD>(button.kind), static_cast<WORD>(button.code)),
                 static_cast<LPARAM>(event->time));
  }
  return CallNextHookEx(nullptr, code, message, data);
}

class WinInputCapture : public InputCapture {
 public:
  ~WinInputCapture() override { Stop(); }

  bool Start(Deliver deliver) override {
    if (window_ != nullptr) return false;
    deliver_ = std::move(deliver);
    window_ = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) return false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RAWINPUTDEVICE keyboard{0x01, 0x06, RIDEV_INPUTSINK, window_};
    g_hook_target = window_;
    if (!RegisterRawInputDevices(&keyboard, 1, sizeof(keyboard)) || !StartHookThread()) {
      Stop();
      return false;
    }
    return true;
  }

  void Stop() override {
    g_hook_target = nullptr;
    if (hook_thread_.joinable()) {
      PostThreadMessageA(hook_thread_id_, WM_QUIT, 0, 0);
      hook_thread_.join();
    }
    if (window_ != nullptr) {
      RAWINPUTDEVICE keyboard{0x01, 0x06, RIDEV_REMOVE, nullptr};
      RegisterRawInputDevices(&keyboard, 1, sizeof(keyboard));
      DestroyWindow(window_);
      window_ = nullptr;
    }
    deliver_ = nullptr;
  }

  bool SeesWholeDesktop() const override { return true; }

  static bool RegisterWindowClass() {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &WinInputCapture::WindowProc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = kWindowClass;
    return RegisterClassA(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }

 private:
  // The hook runs on a thread with its own message loop, so a busy window
  // thread never slows the desktop's mouse.
  bool StartHookThread() {
    std::promise<bool> hooked;
    auto ready = hooked.get_future();
    hook_thread_ = std::thread([this, &hooked] {
      MSG message;
      PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists now
      hook_thread_id_ = GetCurrentThreadId();
      const HHOOK hook = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, GetModuleHandleA(nullptr), 0);
      hooked.set_value(hook != nullptr);
      if (hook == nullptr) return;
      while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
      UnhookWindowsHookEx(hook);
    });
    return ready.get();
  }

  void Hand(const CapturedInput& input) {
    if (deliver_) deliver_(input);
  }

  void OnRawInput(LPARAM handle) {
    RAWINPUT input{};
    UINT size = sizeof(input);
    if (GetRawInputData(reinterpret_cast<HRAWINPUT>(handle), RID_INPUT, &input, &size,
                        sizeof(RAWINPUTHEADER)) == static_cast<UINT>(-1) ||
        input.header.dwType != RIM_TYPEKEYBOARD || input.data.keyboard.VKey == 0xFF) {
      return;
    }
    const bool up = (input.data.keyboard.Flags & RI_KEY_BREAK) != 0;
    Hand({up ? CapturedInput::Kind::kKeyUp : CapturedInput::Kind::kKeyDown,
          input.data.keyboard.VKey, static_cast<uint32_t>(GetMessageTime())});
  }

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<WinInputCapture*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && message == WM_INPUT) self->OnRawInput(l);
    if (self != nullptr && message == kCapturedButton) {
      self->Hand(
          {static_cast<CapturedInput::Kind>(LOWORD(w)), HIWORD(w), static_cast<uint32_t>(l)});
      return 0;
    }
    return DefWindowProcA(window, message, w, l);
  }

  Deliver deliver_;
  HWND window_ = nullptr;
  std::thread hook_thread_;
  DWORD hook_thread_id_ = 0;
};

}  // namespace

std::unique_ptr<InputCapture> MakeSystemInputCapture(std::string* why) {
  if (!WinInputCapture::RegisterWindowClass()) {
    if (why != nullptr) *why = "the input window class cannot be registered";
    return nullptr;
  }
  return std::make_unique<WinInputCapture>();
}

}  // namespace orvane::platform
