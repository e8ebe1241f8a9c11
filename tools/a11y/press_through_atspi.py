import pyatspi, sys, time
def find(app_name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == app_name:
            return app
def walk(node, depth=0, out=None):
    if out is None: out=[]
    try:
        out.append((node.getRoleName(), node.name))
        for c in node: walk(c, depth+1, out)
    except Exception as e: pass
    return out
for i in range(20):
    app = find("chemdrill")
    if app: break
    time.sleep(0.5)
if not app:
    print("no app"); sys.exit(1)
items = walk(app)
print([i for i in items if i[0] in ("push button","frame","label")][:12])
# press the formula button through the accessibility tree
def press(node, name):
    for c in node:
        if c is None: continue
        if c.name == name and c.getRoleName()=="push button":
            act = c.queryAction()
            for k in range(act.nActions):
                if act.getName(k) in ("Press","press","click"):
                    act.doAction(k); return True
            act.doAction(0); return True
        if press(c, name): return True
    return False
print("press", press(app, "化学式の練習"))
time.sleep(1.5)
items = walk(find("chemdrill"))
print([i for i in items if i[0] == "frame"])
print("press quit", press(find("chemdrill"), "終了"))
