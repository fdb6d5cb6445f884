list(APPEND VSTGUI_LIB_SOURCES
  vstgui/lib/cbitmap.cpp
  vstgui/lib/cdrawcontext.cpp
  vstgui/lib/cfont.cpp
  vstgui/lib/cframe.cpp
  vstgui/lib/cresourcedescription.cpp
  vstgui/lib/cview.cpp
  vstgui/lib/cviewcontainer.cpp
  vstgui/lib/cvstguitimer.cpp
  vstgui/lib/controls/cbuttons.cpp
  vstgui/lib/controls/ccontrol.cpp
  vstgui/lib/controls/cknob.cpp
  vstgui/lib/controls/cparamdisplay.cpp
  vstgui/lib/controls/ctextedit.cpp
  vstgui/lib/controls/ctextlabel.cpp
  vstgui/lib/controls/cvumeter.cpp
  vstgui/lib/controls/cxypad.cpp
)
