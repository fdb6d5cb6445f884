# The Linux platform layer: X11 child windows on xcb drawn with cairo, and
# timers on the host's run loop.
list(APPEND VSTGUI_PLATFORM_SOURCES
  vstgui/lib/platform/linux/pngdecoder.cpp
  vstgui/lib/platform/linux/x11backbuffer.cpp
  vstgui/lib/platform/linux/x11desktopscale.cpp
  vstgui/lib/platform/linux/x11frame.cpp
  vstgui/lib/platform/linux/x11keyboard.cpp
  vstgui/lib/platform/linux/x11platformfactory.cpp
  vstgui/lib/platform/linux/x11pointer.cpp
  vstgui/lib/platform/linux/x11runloop.cpp
  vstgui/lib/platform/linux/x11shownimage.cpp
  vstgui/lib/platform/linux/x11timer.cpp
)
