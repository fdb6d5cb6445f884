#include "ControlList.h"

void ControlList::append(const ControlDescriptor& control)
{
	std::unique_ptr<Node>* link = &head;
	while (*link)
		link = &(*link)->next;
	*link = std::make_unique<Node>();
	(*link)->control = control;
}

int32_t ControlList::count() const
{
	int32_t n = 0;
	for (const Node* node = head.get(); node; node = node->next.get())
		++n;
	return n;
}

ControlDescriptor* ControlList::at(int32_t position) const
{
	if (position < 0)
		return nullptr;
	Node* node = head.get();
	for (int32_t i = 0; node && i < position; ++i)
		node = node->next.get();
	return node ? &node->control : nullptr;
}

void ControlList::remove(const ControlDescriptor& control)
{
	for (std::unique_ptr<Node>* link = &head; *link; link = &(*link)->next)
	{
		if ((*link)->control.controlId == control.controlId)
		{
			*link = std::move((*link)->next);
			return;
		}
	}
}

void ControlList::clear()
{
	// Unlink one node at a time so that a long list never recurses.
	while (head)
		head = std::move(head->next);
}
