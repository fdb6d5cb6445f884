# The XML user-interface description, its view factory and controllers.
set(uidesc vstgui/uidescription)
list(APPEND VSTGUI_UIDESCRIPTION_SOURCES
  ${uidesc}/uiattributes.cpp
  ${uidesc}/uidescription.cpp
  ${uidesc}/uidescriptionviews.cpp
  ${uidesc}/uiviewfactory.cpp
  ${uidesc}/subcontrollers.cpp
  ${uidesc}/detail/uidescriptionreader.cpp
  ${uidesc}/detail/uistockresources.cpp
  ${uidesc}/viewcreator/attributereaders.cpp
  ${uidesc}/viewcreator/viewcreators.cpp
  ${uidesc}/viewcreator/controlcreators.cpp
  ${uidesc}/viewcreator/textcreators.cpp
  ${uidesc}/viewcreator/padandmetercreators.cpp
)
