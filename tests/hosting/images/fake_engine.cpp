// A recording stand-in for the skin engine: remembers what the binding
// passed to it, so the tests can look.

extern "C" {

int __stdcall FakeEntry(void*, unsigned long, void*);
__declspec(dllexport) int __stdcall SkinH_AttachRes(const unsigned char* skin, int size,
                                                    const char* password, int a, int b, int c);
__declspec(dllexport) int __stdcall SkinH_Detach();
__declspec(dllexport) const unsigned char* LastSkin();
__declspec(dllexport) int LastSize();
__declspec(dllexport) const char* LastPassword();
__declspec(dllexport) int LastArg(int i);
__declspec(dllexport) int AttachCalls();
__declspec(dllexport) int DetachCalls();

static const unsigned char* gSkin;
static int gSize = -1;
static const char* gPassword = "unset";
static int gArgs[3];
static int gAttachCalls;
static int gDetachCalls;

int __stdcall FakeEntry(void*, unsigned long, void*) {
  return 1;
}

__declspec(dllexport) int __stdcall SkinH_AttachRes(const unsigned char* skin, int size,
                                                    const char* password, int a, int b, int c) {
  gSkin = skin;
  gSize = size;
  gPassword = password;
  gArgs[0] = a;
  gArgs[1] = b;
  gArgs[2] = c;
  ++gAttachCalls;
  return 0x5151;
}

__declspec(dllexport) int __stdcall SkinH_Detach() {
  ++gDetachCalls;
  return 0x5252;
}

__declspec(dllexport) const unsigned char* LastSkin() {
  return gSkin;
}
__declspec(dllexport) int LastSize() {
  return gSize;
}
__declspec(dllexport) const char* LastPassword() {
  return gPassword;
}
__declspec(dllexport) int LastArg(int i) {
  return gArgs[i];
}
__declspec(dllexport) int AttachCalls() {
  return gAttachCalls;
}
__declspec(dllexport) int DetachCalls() {
  return gDetachCalls;
}

}  // extern "C"
