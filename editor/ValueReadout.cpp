#include "ValueReadout.h"

#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cfont.h"

#include <algorithm>
#include <cmath>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

using namespace VSTGUI;

namespace {

constexpr CCoord kTextSize = 11;
constexpr CCoord kBoxHeight = 17;
constexpr CCoord kPadding = 7;
// The labels are printed along the bottom of each control's square.
constexpr CCoord kLabelAboveBottom = 8;
const CColor kBoxColour(18, 20, 23, 235);
const CColor kAmber(245, 166, 35, 255);

CControl* controlOf(CView* view)
{
	auto* control = dynamic_cast<CControl*>(view);
	return control && control->getTag() >= 0 ? control : nullptr;
}

} // namespace

ValueReadout::ValueReadout(const CRect& frameSize, TextOf textOf) : CView(frameSize), textOf(std::move(textOf))
{
	setMouseEnabled(false);
	setVisible(false);
}

void ValueReadout::editBegan(CControl* edited, Clock::time_point)
{
	if (!edited || textOf(*edited).empty())
		return;
	editing = true;
	waitingForRest = false;
	hideAt = Clock::time_point::max();
	show(edited);
}

void ValueReadout::editEnded(CControl* edited, Clock::time_point now)
{
	if (edited != control.get() || !editing)
		return;
	editing = false;
	hideAt = now + kLingerAfterEdit;
}

void ValueReadout::pointerEntered(CView* view, Clock::time_point now)
{
	CControl* entered = controlOf(view);
	if (editing || !entered || textOf(*entered).empty())
		return;
	if (isShowing() && entered != control.get())
		hide();
	if (isShowing())
	{
		hideAt = Clock::time_point::max(); // came back before it went
		return;
	}
	control = entered;
	waitingForRest = true;
	showAt = now + kRestDelay;
}

void ValueReadout::pointerLeft(CView* view, Clock::time_point now)
{
	if (editing || view != control.get())
		return;
	if (waitingForRest)
	{
		waitingForRest = false;
		control = nullptr;
	}
	else if (isShowing())
		hideAt = std::min(hideAt, now + kLingerAfterLeaving);
}

void ValueReadout::tick(Clock::time_point now)
{
	if (control && !control->isAttached())
	{
		// The window was rebuilt under it.
		editing = waitingForRest = false;
		hide();
		return;
	}
	if (waitingForRest && now >= showAt)
	{
		waitingForRest = false;
		hideAt = Clock::time_point::max();
		show(control.get());
	}
	if (!isShowing())
		return;
	if (!editing && now >= hideAt)
		hide();
	else
		shownText = textOf(*control); // the host or automation may move it too
}

void ValueReadout::show(CControl* shown)
{
	control = shown;
	shownText = textOf(*shown);
	setVisible(true);
}

void ValueReadout::hide()
{
	control = nullptr;
	shownText.clear();
	hideAt = Clock::time_point::max();
	setVisible(false);
}

CRect ValueReadout::boxFor(CDrawContext& context) const
{
	const CRect bounds = control->getViewSize();
	CPoint origin = bounds.getTopLeft();
	control->localToFrame(origin);
	const CCoord width = std::ceil(context.getStringWidth(shownText.c_str())) + 2 * kPadding;
	const CCoord centreX = origin.x + bounds.getWidth() / 2;
	const CCoord bottom = origin.y + bounds.getHeight() - kLabelAboveBottom + kBoxHeight / 2;
	CRect box(centreX - width / 2, bottom - kBoxHeight, centreX + width / 2, bottom);
	const CRect frame = getViewSize();
	box.offset(std::max(frame.left - box.left, 0.) - std::max(box.right - frame.right, 0.),
	           std::max(frame.top - box.top, 0.) - std::max(box.bottom - frame.bottom, 0.));
	return box;
}

void ValueReadout::draw(CDrawContext* context)
{
	if (!control || shownText.empty())
		return;
	context->setFont(kNormalFont, kTextSize, kBoldFace);
	const CRect box = boxFor(*context);
	context->setFillColor(kBoxColour);
	context->setFrameColor(kAmber);
	context->setLineWidth(1);
	context->drawRoundRect(box, 4, kDrawFilledAndStroked);
	context->setFontColor(kAmber);
	context->drawString(shownText.c_str(), box, kCenterText);
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
